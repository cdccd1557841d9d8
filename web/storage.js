// The page's settings and last source text, kept in the browser's local storage so
// that they come back on the next visit, as the desktop program keeps its settings
// file and "前回の文章".
const KEY = "tovalo";

// Controls whose state is kept: text boxes by value, check boxes and choices by state.
const KEPT = ["TxtMgn", "TxtH", "TxtWidth", "ChkWidth", "ChkSpc", "ChkAuto", "Spch1", "Spch2",
              "SpcA", "SpcI", "SpcL", "Check1", "chkMaru", "ChkVerticalForms", "ChkTateChuYoko",
              "PhoneH", "PhoneW", "ChkRtn", "TxtSep", "TxtOri"];

function isToggle(element) {
    return element.type === "checkbox" || element.type === "radio";
}

// Puts the kept state back into the controls; a missing or unreadable record leaves
// the controls as the page starts them.
export function restore() {
    let saved;
    try {
        saved = JSON.parse(localStorage.getItem(KEY) ?? "null");
    } catch {
        saved = null;
    }
    if (!saved || typeof saved !== "object")
        return;
    for (const id of KEPT) {
        const element = document.getElementById(id);
        if (!(id in saved))
            continue;
        if (isToggle(element))
            element.checked = Boolean(saved[id]);
        else
            element.value = String(saved[id]);
    }
}

// Writes the state of the controls; returns false when the browser refuses (storage
// full or switched off), so that the page can say so.
export function save() {
    const state = {};
    for (const id of KEPT) {
        const element = document.getElementById(id);
        state[id] = isToggle(element) ? element.checked : element.value;
    }
    try {
        localStorage.setItem(KEY, JSON.stringify(state));
        return true;
    } catch {
        return false;
    }
}
