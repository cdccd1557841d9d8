// What the browser tests share: a static server for the built site, headless Chromium
// from Debian, and tovalo-cli to compare with.
import { spawnSync } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync } from "node:fs";
import { createServer } from "node:http";
import { tmpdir } from "node:os";
import { extname, join, normalize, resolve } from "node:path";
import puppeteer from "puppeteer-core";

const here = new URL(".", import.meta.url).pathname;
export const site = resolve(process.env.TOVALO_SITE ?? join(here, "../../build-web/site"));
export const cliPath = resolve(process.env.TOVALO_CLI ?? join(here, "../../build/cli/tovalo-cli"));

const types = {
    ".html": "text/html; charset=utf-8",
    ".js": "text/javascript",
    ".css": "text/css",
    ".wasm": "application/wasm",
    ".svg": "image/svg+xml",
    ".webmanifest": "application/manifest+json",
};

// Serves the site on a free port of the loopback address.
export async function startServer() {
    const server = createServer((request, response) => {
        const path = normalize(decodeURIComponent(new URL(request.url, "http://x").pathname));
        const file = join(site, path.endsWith("/") ? join(path, "index.html") : path);
        try {
            const body = readFileSync(file);
            response.writeHead(200, { "Content-Type": types[extname(file)] ?? "application/octet-stream" });
            response.end(body);
        } catch {
            response.writeHead(404);
            response.end();
        }
    });
    await new Promise((done) => server.listen(0, "127.0.0.1", done));
    return {
        url: `http://127.0.0.1:${server.address().port}/`,
        close: () => new Promise((done) => server.close(done)),
    };
}

// Headless Chromium in a new, empty profile, and how to close it and remove the profile.
export async function launchBrowser() {
    const profile = mkdtempSync(join(tmpdir(), "tovalo-chromium-"));
    const browser = await puppeteer.launch({
        executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
        headless: true,
        userDataDir: profile,
        args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
               "--disable-background-networking", "--disable-component-update", "--disable-sync"],
    });
    return {
        browser,
        close: async () => {
            await browser.close();
            rmSync(profile, { recursive: true, force: true, maxRetries: 5 });
        },
    };
}

// Opens the page and waits until its engine has loaded.
export async function openPage(browser, url) {
    const page = await browser.newPage();
    await page.setViewport({ width: 1200, height: 900 });
    await page.goto(url);
    await page.waitForSelector("body[data-ready]");
    return page;
}

// Runs tovalo-cli on a text; the output as text and the exit status.
export function runCli(args, input) {
    const run = spawnSync(cliPath, args, { input: Buffer.from(input, "utf8") });
    return { status: run.status, stdout: run.stdout.toString("utf8"), bytes: run.stdout };
}

// The command-line arguments that ask tovalo-cli for the conversion the page makes
// with these settings; numbers are given as the boxes hold them.
export function convertArgs(s) {
    const args = ["convert", `--height=${s.height}`, `--margin=${s.margin}`,
                  `--separator=${s.separatorKind}`, `--rule=${s.rule}`];
    if (s.fixedLines)
        args.push("--fixed", `--lines=${s.lines}`);
    if (!s.gapOn)
        args.push("--no-gap");
    if (s.fullWidth)
        args.push("--full-width");
    if (!s.shaping)
        args.push("--no-shaping");
    if (s.verticalForms)
        args.push("--vertical-forms");
    if (s.tateChuYoko)
        args.push("--tate-chu-yoko");
    return args;
}

export function phoneArgs(s) {
    const args = ["phone", `--height=${s.phoneHeight}`, `--width=${s.phoneWidth}`, `--rule=${s.rule}`];
    if (!s.phoneBreaks)
        args.push("--no-breaks");
    if (s.fullWidth)
        args.push("--full-width");
    if (s.verticalForms)
        args.push("--vertical-forms");
    if (s.tateChuYoko)
        args.push("--tate-chu-yoko");
    return args;
}

// What the page shows for a conversion: the CLI's output, or the failure text.
export function expectedVertical(settings, source) {
    const run = runCli(convertArgs(settings), source);
    return run.status === 0 ? run.stdout : "\nえらー";
}

export function expectedPhone(settings, source) {
    const run = runCli(phoneArgs(settings), source);
    return run.status === 0 ? run.stdout : "えらー";
}

// The page's defaults, as the desktop program starts.
export const defaults = {
    height: "10", lines: "5", margin: "0", gapOn: true, fixedLines: false, separatorKind: 1,
    fullWidth: false, shaping: true, verticalForms: false, tateChuYoko: false, rule: "＊",
    phoneHeight: 6, phoneWidth: 8, phoneBreaks: true,
};

// Sets every control of the page at once, as a user would leave them, and the source
// text; then lets the page react as to typing. Returns what the two result boxes show.
export async function applyInPage(page, settings, source) {
    return page.evaluate((s, text) => {
        const $ = (id) => document.getElementById(id);
        $("TxtH").value = s.height;
        $("TxtMgn").value = s.margin;
        $("ChkSpc").checked = s.gapOn;
        $("ChkWidth").checked = s.fixedLines;
        $("ChkWidth").dispatchEvent(new Event("change"));
        $("TxtWidth").value = s.lines;
        document.querySelectorAll("input[name=separator]")[s.separatorKind - 1].checked = true;
        $("Check1").checked = s.fullWidth;
        $("chkMaru").checked = s.shaping;
        $("ChkVerticalForms").checked = s.verticalForms;
        $("ChkTateChuYoko").checked = s.tateChuYoko;
        $("TxtSep").value = s.rule;
        $("PhoneH").value = String(s.phoneHeight);
        $("PhoneW").value = String(s.phoneWidth);
        $("ChkRtn").checked = s.phoneBreaks;
        $("TxtOri").value = text;
        $("TxtOri").dispatchEvent(new Event("input"));
        return { vertical: $("TxtTate").value, phone: $("TxtView").value };
    }, settings, source);
}
