// The page: reads the controls, asks the engine (WebAssembly) for the vertical text and
// the phone pages, and writes the results back. Every conversion rule is the engine's.
import createTovalo from "./tovalo.js";
import { restore, save } from "./storage.js";

const $ = (id) => document.getElementById(id);
const engine = await createTovalo();

const texts = {
    copyFailed: "コピーできませんでした。",
    notKept: "設定を保存できませんでした。",
    approximately: "約",
    characters: "文字",
};

function settings() {
    return {
        height: $("TxtH").value,
        lines: $("TxtWidth").value,
        margin: $("TxtMgn").value,
        gapOn: $("ChkSpc").checked,
        fixedLines: $("ChkWidth").checked,
        separatorKind: Number(document.querySelector("input[name=separator]:checked")?.value ?? 0),
        fullWidth: $("Check1").checked,
        shaping: $("chkMaru").checked,
        verticalForms: $("ChkVerticalForms").checked,
        tateChuYoko: $("ChkTateChuYoko").checked,
        rule: $("TxtSep").value,
        phoneHeight: Number($("PhoneH").value),
        phoneWidth: Number($("PhoneW").value),
        phoneBreaks: $("ChkRtn").checked,
    };
}

function status(message) {
    $("LblStatus").textContent = message;
}

function keep() {
    if (!save())
        status(texts.notKept);
}

// The convert command; the lines box shows the estimate while it is not fixed.
function convert() {
    const result = engine.convert($("TxtOri").value, settings());
    if (result.lines)
        $("TxtWidth").value = result.lines;
    $("TxtTate").value = result.vertical;
}

// The phone pages and their length in code units, counting a line break as CR LF.
function rebuildPhone() {
    if ($("FrmMphone").hidden)
        return;
    const pages = engine.phonePages($("TxtOri").value, settings());
    $("TxtView").value = pages;
    showLength();
}

function showLength() {
    const text = $("TxtView").value;
    const units = text.length + (text.match(/\n/g)?.length ?? 0);
    $("LblNum").textContent = `${texts.approximately} ${units}${texts.characters}`;
}

// After an edit of the source, which converts only with automatic update on, or of a
// parameter or option, which always converts, as in the desktop program.
function refresh(event) {
    $("Command1").disabled = $("TxtOri").value === "";
    if (event?.target !== $("TxtOri") || $("ChkAuto").checked)
        convert();
    rebuildPhone();
    keep();
}

// The phone boxes take whole numbers from 3 to 50; anything else that is not a number
// leaves the box at its last good value.
function keepInRange(box) {
    const number = Math.floor(Number(box.value));
    if (box.value.trim() === "" || !Number.isFinite(number))
        box.value = box.dataset.last ?? box.defaultValue;
    else
        box.value = String(Math.min(50, Math.max(3, number)));
    box.dataset.last = box.value;
}

async function copy(text) {
    try {
        await navigator.clipboard.writeText(text);
        status("");
    } catch {
        status(texts.copyFailed);
    }
}

function download(fileName) {
    const bytes = engine.fileBytes(fileName, $("TxtTate").value);
    const link = document.createElement("a");
    link.href = URL.createObjectURL(new Blob([bytes], { type: "application/octet-stream" }));
    link.download = fileName;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
}

function showView(phone) {
    $("MainView").hidden = phone;
    $("FrmMphone").hidden = !phone;
    $("BtnMain").setAttribute("aria-pressed", String(!phone));
    $("BtnMphone").setAttribute("aria-pressed", String(phone));
    rebuildPhone();
}

function wire() {
    $("TxtOri").addEventListener("input", refresh);
    for (const id of ["TxtMgn", "TxtH", "TxtWidth", "TxtSep"])
        $(id).addEventListener("input", refresh);
    for (const id of ["ChkSpc", "Check1", "chkMaru", "ChkVerticalForms", "ChkTateChuYoko",
                      "ChkAuto", "ChkRtn"])
        $(id).addEventListener("change", refresh);
    for (const radio of document.querySelectorAll("input[name=separator]"))
        radio.addEventListener("change", refresh);
    $("ChkWidth").addEventListener("change", () => {
        $("TxtWidth").disabled = !$("ChkWidth").checked;
        refresh();
    });
    for (const id of ["PhoneH", "PhoneW"]) {
        $(id).addEventListener("change", () => {
            keepInRange($(id));
            refresh();
        });
    }
    $("Command1").addEventListener("click", () => {
        convert();
        keep();
    });
    $("TxtView").addEventListener("input", showLength);
    $("BtnCopy").addEventListener("click", () => copy($("TxtTate").value));
    $("MnuTagCopy").addEventListener("click", () => copy(engine.taggedCopy($("TxtTate").value)));
    $("Command5").addEventListener("click", () => copy($("TxtView").value));
    $("BtnSaveText").addEventListener("click", () => download("tovalo.txt"));
    $("BtnSaveHtml").addEventListener("click", () => download("tovalo.htm"));
    $("BtnMain").addEventListener("click", () => showView(false));
    $("BtnMphone").addEventListener("click", () => showView(true));
}

restore();
$("TxtWidth").disabled = !$("ChkWidth").checked;
for (const id of ["PhoneH", "PhoneW"])
    keepInRange($(id));
wire();
$("Command1").disabled = $("TxtOri").value === "";
convert();
performance.mark("first-conversion");
document.body.dataset.ready = "true";

if ("serviceWorker" in navigator)
    navigator.serviceWorker.register("sw.js").catch(() => {});
