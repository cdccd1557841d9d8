#pragma once

#include <QString>

// The main window's captions and messages.
namespace tovalo::app::texts {

inline QString qs(const char16_t *text) {
    return QString::fromUtf16(text);
}

inline constexpr char16_t kTitle[] = u"Tovalo";
inline constexpr char16_t kAuto[] = u"自動更新";
inline constexpr char16_t kGap[] = u"行を空ける";
inline constexpr char16_t kFixedLines[] = u"行数";
inline constexpr char16_t kChars[] = u"文字数";
inline constexpr char16_t kMargin[] = u"余白";
inline constexpr char16_t kBody[] = u"本文";

// Accessible names of the panes.
inline constexpr char16_t kSourcePane[] = u"もとの文章";
inline constexpr char16_t kVerticalPane[] = u"縦書き";

// Tool tips of the picture buttons.
inline constexpr char16_t kPasteTip[] = u"貼り付け";
inline constexpr char16_t kCopyTip[] = u"コピー";
inline constexpr char16_t kMailTip[] = u"メールソフト";
inline constexpr char16_t kConvertTip[] = u"変換";
inline constexpr char16_t kPhoneTip[] = u"携帯電話用";

inline constexpr char16_t kNewerVersion[] = u"最新バージョンが存在します";
inline constexpr char16_t kStartUpFailed[] =
    u"ファイル読み込み中にエラーが発生しましたが大した問題にはならないでしょう";
inline constexpr char16_t kSettingsNotSaved[] = u"設定ファイルを保存できませんでした。";
inline constexpr char16_t kFontWarning[] = u"フォントによっては表示がおかしくなります";

inline constexpr char16_t kSettingsFileName[] = u"Tov.ini";
// Appended to the settings file's name for the copy of a file start-up could not read.
inline constexpr char16_t kUnreadSettingsSuffix[] = u".bak";
inline constexpr char16_t kManualFileName[] = u"説明書.txt";

} // namespace tovalo::app::texts
