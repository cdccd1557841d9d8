#pragma once

#include "engine/options.h"

#include <cstdint>
#include <string>

namespace tovalo::settings {

// The main window's settings that the other windows read and write.
struct SharedSettings {
    std::int16_t Spc12A = 1;       // kind of separator between columns, 1 to 5
    bool ChkChg0 = false;          // option "ー → ｜"
    bool ChkChg1 = false;          // option "半角数字→全角"
    bool maruFix = true;           // option "句読点整形"
    std::int16_t StMBL = 1;        // start-up text: 1 manual, 2 blank, 3 texts of the last run
    std::int16_t MpH = 6;          // phone page height the phone dialog opens with
    std::int16_t MpW = 8;          // phone page width the phone dialog opens with
    std::u16string MpTsep = u"＊"; // rule text of phone pages and fixed-line-count pages
    std::u16string MailSoft;       // full path of the mail program
    bool Loading = false;          // true while start-up runs

    engine::ConvOptions convOptions() const { return {Spc12A, ChkChg0, ChkChg1, maruFix, MpTsep}; }
};

} // namespace tovalo::settings
