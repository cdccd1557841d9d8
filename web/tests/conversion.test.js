// The page converts exactly as tovalo-cli does: the worked examples typed in by hand,
// then generated texts and settings set in one go.
import assert from "node:assert/strict";
import { after, before, describe, test } from "node:test";
import { applyInPage, defaults, expectedPhone, expectedVertical, launchBrowser, openPage,
         startServer } from "./harness.js";
import { randomCases } from "./random_cases.js";

let server, chromium, page;

before(async () => {
    server = await startServer();
    chromium = await launchBrowser();
    page = await openPage(chromium.browser, server.url);
});

after(async () => {
    await chromium?.close();
    await server?.close();
});

// Sets the controls the way a user does: selects a box's text and types over it,
// clicks check boxes and choices whose state differs.
async function setByUser(settings) {
    await page.click("#FrmCstm summary");
    const typeInto = async (id, value) => {
        await page.click(`#${id}`, { clickCount: 3 });
        await page.keyboard.press("Backspace");
        await page.type(`#${id}`, value);
    };
    const toggle = async (id, wanted) => {
        if (await page.$eval(`#${id}`, (box) => box.checked) !== wanted)
            await page.click(`#${id}`);
    };
    await toggle("ChkWidth", settings.fixedLines);
    if (settings.fixedLines)
        await typeInto("TxtWidth", settings.lines);
    await typeInto("TxtH", settings.height);
    await typeInto("TxtMgn", settings.margin);
    await toggle("ChkSpc", settings.gapOn);
    await page.click(["#Spch1", "#Spch2", "#SpcA", "#SpcI", "#SpcL"][settings.separatorKind - 1]);
    await toggle("Check1", settings.fullWidth);
    await toggle("chkMaru", settings.shaping);
    await toggle("ChkVerticalForms", settings.verticalForms);
    await toggle("ChkTateChuYoko", settings.tateChuYoko);
    await page.click("#FrmCstm summary");
}

async function typeSource(source) {
    await page.click("#TxtOri", { clickCount: 3 });
    await page.$eval("#TxtOri", (box) => box.select());
    await page.keyboard.press("Backspace");
    await page.type("#TxtOri", source);
}

const worked = [
    ["seven characters in three columns", "あいうえおかき", { height: "3", gapOn: false }],
    ["a full stop hangs under the column before", "あいう。えお", { height: "3", gapOn: false }],
    ["a line of H - 1 characters leaves an empty column", "あい\nう",
     { height: "3", gapOn: false, shaping: false }],
    ["a line break on the top cell makes no jump", "あいう\nえお",
     { height: "3", gapOn: false, shaping: false }],
    ["margin, separator and a full stop at the bottom", "ab。c",
     { height: "3", margin: "1", separatorKind: 4 }],
    ["a mark as the last character stands twice", "あいう。", { height: "3", gapOn: false }],
    ["a source that opens with a full stop fails", "。あい", { height: "3" }],
    ["fixed pages framed by rules", "あいうえおかきくけこ",
     { height: "3", lines: "2", fixedLines: true, gapOn: false, shaping: false }],
    ["fixed pages with separators and hanging rows", "あいうえおかきくけこ",
     { height: "3", lines: "2", fixedLines: true, separatorKind: 4 }],
    ["fixed pages narrow to the text", "あいう、えお",
     { height: "3", lines: "5", fixedLines: true, gapOn: false }],
    ["fixed pages fail on a short source with tall columns", "あ",
     { height: "10", lines: "3", fixedLines: true }],
    ["fractions of the height and lines", "あいうえおかきくけこさしす",
     { height: "3.7", lines: "4.5", fixedLines: true }],
    ["a height that is not a number fails", "あいう", { height: "abc" }],
    ["half-width letters made full width", "abc 123.", { height: "4", fullWidth: true }],
    ["vertical forms and two digits in one cell", "「12月」→（注）", {
        height: "5", verticalForms: true, tateChuYoko: true }],
];

describe("the vertical text equals tovalo-cli's", () => {
    for (const [name, source, changes] of worked) {
        test(name, async () => {
            const settings = { ...defaults, ...changes };
            await setByUser(settings);
            await typeSource(source);
            const shown = await page.$eval("#TxtTate", (box) => box.value);
            assert.equal(shown, expectedVertical(settings, source));
        });
    }
});

describe("the phone pages equal tovalo-cli's", () => {
    const examples = [
        ["ten characters with line breaks", "あいうえおかきくけこ",
         { phoneHeight: 3, phoneWidth: 4 }],
        ["ten characters without line breaks", "あいうえおかきくけこ",
         { phoneHeight: 3, phoneWidth: 3, phoneBreaks: false }],
        ["a line break takes a blank cell", "a\nb", { phoneHeight: 3, phoneWidth: 3, phoneBreaks: false }],
        ["a short source fails", "テスト", {}],
        ["the rule text from the box", "あいうえおかきくけこさしすせそ", { rule: "＝" }],
    ];
    before(() => page.click("#BtnMphone"));
    after(() => page.click("#BtnMain"));
    for (const [name, source, changes] of examples) {
        test(name, async () => {
            const settings = { ...defaults, ...changes };
            await applyInPage(page, settings, source);
            for (const id of ["PhoneH", "PhoneW"])
                await page.$eval(`#${id}`, (box) => box.dispatchEvent(new Event("change")));
            const shown = await page.$eval("#TxtView", (box) => box.value);
            const expected = expectedPhone(settings, source);
            assert.equal(shown, expected);
            const units = expected.length + expected.split("\n").length - 1;
            assert.equal(await page.$eval("#LblNum", (label) => label.textContent),
                         `約 ${units}文字`);
        });
    }
});

test("300 generated texts and settings convert as tovalo-cli does", async () => {
    await page.click("#BtnMphone");
    const mismatches = [];
    for (const { source, settings } of randomCases(300)) {
        const shown = await applyInPage(page, settings, source);
        const vertical = expectedVertical(settings, source);
        const phone = expectedPhone(settings, source);
        if (shown.vertical !== vertical || shown.phone !== phone)
            mismatches.push({ source, settings, shown, vertical, phone });
    }
    await page.click("#BtnMain");
    assert.deepEqual(mismatches.slice(0, 3), []);
});
