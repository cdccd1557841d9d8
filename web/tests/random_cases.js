// Generated inputs for the comparison with tovalo-cli: random Japanese text with
// punctuation, half-width letters and kana, emoji and line breaks, and random settings.
// A fixed seed makes every run check the same cases.

function generator(seed) {
    let state = seed >>> 0;
    const next = () => {
        state = (state + 0x6d2b79f5) >>> 0;
        let t = state;
        t = Math.imul(t ^ (t >>> 15), t | 1);
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
    const below = (n) => Math.floor(next() * n);
    const pick = (list) => list[below(list.length)];
    return { next, below, pick };
}

const pieces = [
    ..."あいうえおかきくけこさしすせそたちつてとなにぬねのはまやらわをん",
    ..."漢字縦書変換文章日本語",
    ..."アイウエオカタカナー",
    ..."。、．，.,「」（）…―→！？",
    ..."abcXYZ0123456789!? ",
    ..."ｱｲｳｴｵｶﾞﾊﾟｰ｡､",
    "　", "😀", "👍🏽", "👨‍👩‍👧", "🇯🇵", "か\u3099", "12", "!?",
    "\n", "\n", "\n", "\n\n",
];

// Number texts as a user might leave the boxes: mostly good numbers, a fraction or
// blanks around them; now and then one the engine refuses.
const heights = ["1", "2", "3", "4", "5", "7", "10", "12", "20", " 6 ", "10.7", "3.5", "1e1"];
const margins = ["0", "0", "0", "1", "2", "3", "1.9"];
const lineTexts = ["1", "2", "3", "4", "5", "8", "4.5", "5.5", "20"];
const refused = ["", "0", "-2", "abc", "１０"];
const rules = ["＊", "＊", "-", "", "＝＝", "ab"];

export function randomCases(count, seed = 20240518) {
    const random = generator(seed);
    const cases = [];
    for (let n = 0; n < count; ++n) {
        const length = random.below(random.next() < 0.1 ? 400 : 60);
        let source = "";
        for (let i = 0; i < length; ++i)
            source += random.pick(pieces);
        cases.push({
            source,
            settings: {
                height: random.next() < 0.05 ? random.pick(refused) : random.pick(heights),
                lines: random.next() < 0.05 ? random.pick(refused) : random.pick(lineTexts),
                margin: random.next() < 0.05 ? random.pick(refused) : random.pick(margins),
                gapOn: random.next() < 0.6,
                fixedLines: random.next() < 0.3,
                separatorKind: 1 + random.below(5),
                fullWidth: random.next() < 0.3,
                shaping: random.next() < 0.7,
                verticalForms: random.next() < 0.3,
                tateChuYoko: random.next() < 0.3,
                rule: random.pick(rules),
                phoneHeight: 3 + random.below(10),
                phoneWidth: 3 + random.below(10),
                phoneBreaks: random.next() < 0.6,
            },
        });
    }
    return cases;
}
