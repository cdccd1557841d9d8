// The one place where the page meets the C++ core: it reads the page's settings, by
// names of their meaning, into the engine's records, runs the engine, the page maker
// and the export, and hands back plain texts. Every access to an engine field is here.

#include "engine/convert.h"
#include "engine/layout.h"
#include "engine/numbers.h"
#include "html/html_export.h"
#include "phone/page_maker.h"
#include "platform/text/line_breaks.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

namespace {

using emscripten::val;
using namespace tovalo;

std::u16string textOf(const val &settings, const char *name) {
    return settings[name].as<std::u16string>();
}

bool flagOf(const val &settings, const char *name) {
    return settings[name].as<bool>();
}

engine::Settings optionsOf(const val &settings) {
    engine::Settings options;
    options.separatorKind = static_cast<std::int16_t>(settings["separatorKind"].as<int>());
    options.fullWidth = flagOf(settings, "fullWidth");
    options.shaping = flagOf(settings, "shaping");
    options.pageRule = textOf(settings, "rule");
    options.verticalForms = flagOf(settings, "verticalForms");
    options.tateChuYoko = flagOf(settings, "tateChuYoko");
    return options;
}

// The convert command as the window runs it: while the number of lines is not fixed,
// the estimate takes the place of the lines box first. The source and the results
// have LF line breaks, as a browser's text areas hold them. `lines` is the estimate
// to show in the lines box, or empty when the box keeps its text.
val convert(const std::u16string &source, const val &settings) {
    const std::u16string text = text::withCrLf(source);
    const engine::Settings options = optionsOf(settings);
    engine::ParamTexts texts;
    texts.height = textOf(settings, "height");
    texts.lines = textOf(settings, "lines");
    texts.margin = textOf(settings, "margin");
    texts.gapOn = flagOf(settings, "gapOn");
    texts.fixedLines = flagOf(settings, "fixedLines");

    val result = val::object();
    result.set("lines", std::u16string());
    engine::Fault fault = engine::Fault::None;
    if (!texts.fixedLines) {
        const engine::Reading height = engine::readColHeight(texts.height);
        const engine::LineCount estimate =
            height.ok() ? engine::CountLines(text, height.value, options) : engine::LineCount{};
        fault = height.ok() ? estimate.fault : height.fault;
        if (fault == engine::Fault::None) {
            const std::string count = std::to_string(estimate.count);
            texts.lines.assign(count.begin(), count.end());
            result.set("lines", texts.lines);
        }
    }
    if (fault == engine::Fault::None) {
        const engine::Conversion command = engine::MakeTate(text, texts, options);
        fault = command.fault;
        if (command.ok())
            result.set("vertical", text::withLf(command.vertical));
    }
    result.set("ok", fault == engine::Fault::None);
    if (fault != engine::Fault::None)
        result.set("vertical", text::withLf(engine::kFailureText));
    return result;
}

// The phone pages, or the page maker's failure text.
std::u16string phonePages(const std::u16string &source, const val &settings) {
    const phone::PhoneParams params =
        phone::phoneParams(static_cast<std::int16_t>(settings["phoneHeight"].as<int>()),
                           static_cast<std::int16_t>(settings["phoneWidth"].as<int>()),
                           flagOf(settings, "phoneBreaks"), optionsOf(settings));
    return text::withLf(phone::MpMaker(text::withCrLf(source), params).text);
}

// The vertical text wrapped in the tags of the desktop program's tagged copy.
std::u16string taggedCopy(const std::u16string &vertical) {
    return text::withLf(html::taggedFragment(text::withCrLf(vertical)));
}

// The bytes the desktop program saves under `fileName`: the HTML page for a name
// ending in "htm", else the text in Shift_JIS or, when that cannot hold it, UTF-8.
val fileBytes(const std::u16string &fileName, const std::u16string &vertical) {
    const std::string bytes = html::savedFileBytes(fileName, text::withCrLf(vertical));
    const auto view = emscripten::typed_memory_view(
        bytes.size(), reinterpret_cast<const unsigned char *>(bytes.data()));
    return val::global("Uint8Array").new_(view); // a copy that outlives `bytes`
}

} // namespace

EMSCRIPTEN_BINDINGS(tovalo) {
    emscripten::function("convert", &convert);
    emscripten::function("phonePages", &phonePages);
    emscripten::function("taggedCopy", &taggedCopy);
    emscripten::function("fileBytes", &fileBytes);
}
