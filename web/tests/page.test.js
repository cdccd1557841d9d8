// What the page does around the conversion: copying, downloading, keeping settings and
// texts over a reload, working offline, and columns that line up.
import assert from "node:assert/strict";
import { mkdtempSync, readdirSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, before, test } from "node:test";
import { applyInPage, defaults, launchBrowser, openPage, runCli, startServer } from "./harness.js";

let server, chromium, page, downloads;

before(async () => {
    server = await startServer();
    chromium = await launchBrowser();
    await chromium.browser.defaultBrowserContext().overridePermissions(
        server.url.replace(/\/$/, ""), ["clipboard-read", "clipboard-write", "clipboard-sanitized-write"]);
    page = await openPage(chromium.browser, server.url);
    downloads = mkdtempSync(join(tmpdir(), "tovalo-downloads-"));
    const session = await page.createCDPSession();
    await session.send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: downloads });
});

after(async () => {
    await chromium?.close();
    await server?.close();
    rmSync(downloads, { recursive: true, force: true });
});

const clipboard = () => page.evaluate(() => navigator.clipboard.readText());
const vertical = () => page.$eval("#TxtTate", (box) => box.value);

async function downloaded(button, name) {
    rmSync(join(downloads, name), { force: true });
    await page.click(button);
    for (let tries = 0; tries < 100; ++tries) {
        if (readdirSync(downloads).includes(name))
            return readFileSync(join(downloads, name));
        await new Promise((done) => setTimeout(done, 50));
    }
    throw new Error(`${name} was not downloaded`);
}

test("copy puts the vertical text on the clipboard", async () => {
    await applyInPage(page, { ...defaults, height: "3" }, "あいう。えお");
    await page.click("#BtnCopy");
    assert.equal(await clipboard(), await vertical());
});

test("tagged copy wraps the escaped vertical text in the desktop program's tags", async () => {
    await applyInPage(page, { ...defaults, height: "4", gapOn: false }, "a<b&c>");
    await page.click("#MnuTagCopy");
    const escaped = (await vertical()).replaceAll("&", "&amp;").replaceAll("<", "&lt;")
        .replaceAll(">", "&gt;");
    assert.equal(await clipboard(),
                 `<PRE><Font face="FixedSys,ＭＳ ゴシック, Osaka－等幅, mono">\n${escaped}\n</Font></Pre>`);
});

test("the phone view's copy button copies its pages", async () => {
    await page.click("#BtnMphone");
    await applyInPage(page, defaults, "あいうえおかきくけこさしすせそ");
    await page.click("#Command5");
    assert.equal(await clipboard(), await page.$eval("#TxtView", (box) => box.value));
    await page.click("#BtnMain");
});

const sjisText = ["Shift_JIS when every character fits", "あいう。えお", Buffer.alloc(0), ["--sjis"]];
const utf8Text = ["UTF-8 with a byte-order mark otherwise", "あい😀う", Buffer.from([0xef, 0xbb, 0xbf]), []];
for (const [name, source, head, encoding] of [sjisText, utf8Text]) {
    test(`download as .txt: the text and a line break, in ${name}`, async () => {
        const settings = { ...defaults, height: "3" };
        await applyInPage(page, settings, source);
        const cli = runCli(["convert", "--height=3", "--crlf", ...encoding], source);
        const expected = Buffer.concat([head, cli.bytes, Buffer.from("\r\n")]);
        assert.deepEqual(await downloaded("#BtnSaveText", "tovalo.txt"), expected);
    });
}

test("download as .htm gives the desktop program's page in Shift_JIS", async () => {
    await applyInPage(page, { ...defaults, height: "3" }, "あいう");
    const bytes = await downloaded("#BtnSaveHtml", "tovalo.htm");
    const text = new TextDecoder("shift_jis").decode(bytes);
    assert.match(text, /^<HTML><HEAD><META http-equiv="Content-Type" content="text\/html; charset=Shift_JIS"><Title>\r\ntovalo\.htm\r\n/);
    assert.ok(text.includes((await vertical()).replaceAll("\n", "\r\n")));
});

test("settings and the source text come back after a reload", async () => {
    const settings = { ...defaults, height: "4", margin: "2", separatorKind: 3, fullWidth: true,
                       shaping: false, verticalForms: true, rule: "＝", phoneHeight: 9 };
    await applyInPage(page, settings, "前回の文章\nです。");
    const before = await vertical();
    await page.reload();
    await page.waitForSelector("body[data-ready]");
    const state = await page.evaluate(() => {
        const $ = (id) => document.getElementById(id);
        return [$("TxtOri").value, $("TxtH").value, $("TxtMgn").value, $("SpcA").checked,
                $("Check1").checked, $("chkMaru").checked, $("ChkVerticalForms").checked,
                $("TxtSep").value, $("PhoneH").value];
    });
    assert.deepEqual(state, ["前回の文章\nです。", "4", "2", true, true, false, true, "＝", "9"]);
    assert.equal(await vertical(), before);
});

test("the page loads and converts with the network cut off", async () => {
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.reload(); // now under the service worker's control
    await page.waitForSelector("body[data-ready]");
    await page.setOfflineMode(true);
    try {
        await page.reload();
        await page.waitForSelector("body[data-ready]", { timeout: 5000 });
        await applyInPage(page, { ...defaults, height: "3" }, "あいう。えお");
        assert.equal(await vertical(), runCli(["convert", "--height=3"], "あいう。えお").stdout);
    } finally {
        await page.setOfflineMode(false);
    }
});

test("every row of the vertical text is equally wide in the page's font", async () => {
    await applyInPage(page, { ...defaults, height: "6", shaping: false },
                      "あいうabcｱｲｳ\n漢字12。、\nAB　CD");
    const widths = await page.evaluate(() => {
        const box = document.getElementById("TxtTate");
        const canvas = document.createElement("canvas").getContext("2d");
        const style = getComputedStyle(box);
        canvas.font = `${style.fontSize} ${style.fontFamily}`;
        return box.value.split("\n").filter((row) => row !== "")
            .map((row) => canvas.measureText(row).width);
    });
    assert.equal(new Set(widths).size, 1, `row widths ${widths.join(", ")}`);
});

test("without automatic update typing waits for the convert button; parameters convert", async () => {
    await applyInPage(page, { ...defaults, height: "3" }, "あいう");
    await page.click("#ChkAuto");
    await page.type("#TxtOri", "えお");
    const stale = runCli(["convert", "--height=3"], "あいう").stdout;
    assert.equal(await vertical(), stale);
    await page.click("#Command1");
    assert.equal(await vertical(), runCli(["convert", "--height=3"], "あいうえお").stdout);
    await page.click("#ChkSpc");
    assert.equal(await vertical(), runCli(["convert", "--height=3", "--no-gap"], "あいうえお").stdout);
    await page.click("#ChkAuto");
});
