// Measures the page in headless Chromium: the size of the site, the time from the
// first request to the first conversion, the time one keystroke takes on a text of
// 20,000 characters (engine call and page update, median of 20) against the native
// tovalo-cli on the same text, and takes the screenshots for the README.
//   node tools/measure.mjs [SCREENSHOT-FOLDER]
import { spawnSync } from "node:child_process";
import { mkdtempSync, readdirSync, rmSync, statSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { applyInPage, cliPath, defaults, launchBrowser, openPage, site, startServer } from "../tests/harness.js";

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// A Japanese text with punctuation, some half-width letters and a line break every
// 20 to 60 characters.
function sampleText(length) {
    const kana = "あいうえおかきくけこさしすせそ漢字日本語縦書き";
    let text = "";
    let seed = 1;
    const next = (n) => (seed = (seed * 1103515245 + 12345) % 2147483648) % n;
    while (text.length < length) {
        const line = 20 + next(41);
        for (let i = 0; i < line; ++i)
            text += i % 17 === 16 ? "。" : i % 11 === 10 ? "ab" : kana[next(kana.length)];
        text += "\n";
    }
    return text.slice(0, length);
}

const bytes = readdirSync(site).reduce((sum, file) => sum + statSync(join(site, file)).size, 0);
console.log(`site: ${readdirSync(site).length} files, ${bytes} bytes`);

const server = await startServer();
const chromium = await launchBrowser();
try {
    const loads = [];
    for (let i = 0; i < 5; ++i) {
        const context = await chromium.browser.createBrowserContext();
        const page = await openPage(context, server.url);
        loads.push(await page.evaluate(() => performance.getEntriesByName("first-conversion")[0].startTime));
        await context.close();
    }
    console.log(`first load to first conversion: median ${median(loads).toFixed(1)} ms`);

    const page = await openPage(chromium.browser, server.url);
    const text = sampleText(20000);
    await applyInPage(page, { ...defaults, height: "40" }, text);
    const keystrokes = await page.evaluate(() => {
        const box = document.getElementById("TxtOri");
        const times = [];
        for (let i = 0; i < 20; ++i) {
            box.value += "あ";
            const start = performance.now();
            box.dispatchEvent(new Event("input"));
            void document.getElementById("TxtTate").value.length;
            times.push(performance.now() - start);
        }
        return times;
    });
    const web = median(keystrokes);
    console.log(`keystroke on 20,000 characters: median ${web.toFixed(2)} ms in the page`);

    const folder = mkdtempSync(join(tmpdir(), "tovalo-measure-"));
    const timeCli = (content) => {
        const file = join(folder, "input.txt");
        writeFileSync(file, content);
        const times = [];
        for (let i = 0; i < 20; ++i) {
            const start = process.hrtime.bigint();
            spawnSync(cliPath, ["convert", "--height=40", file]);
            times.push(Number(process.hrtime.bigint() - start) / 1e6);
        }
        return median(times);
    };
    const native = timeCli(text) - timeCli("あ");
    rmSync(folder, { recursive: true, force: true });
    console.log(`native tovalo-cli on the same text: about ${native.toFixed(2)} ms ` +
                `(process start taken off); page / native: ${(web / native).toFixed(1)}`);

    const shots = process.argv[2];
    if (shots) {
        await applyInPage(page, { ...defaults, height: "12", separatorKind: 3 },
                          "吾輩は猫である。名前はまだ無い。\nどこで生れたかとんと見当がつかぬ。" +
                          "何でも薄暗いじめじめした所でニャーニャー泣いていた事だけは記憶している。");
        await page.setViewport({ width: 1200, height: 760 });
        await page.screenshot({ path: join(shots, "web-desktop.png") });
        await page.setViewport({ width: 390, height: 844, deviceScaleFactor: 2, isMobile: true });
        await page.screenshot({ path: join(shots, "web-phone.png") });
        console.log(`screenshots in ${shots}`);
    }
} finally {
    await chromium.close();
    await server.close();
}
