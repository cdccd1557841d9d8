#pragma once

#include "ui/widgets/captions.h"

// The main window's captions and messages, its menu bar's and its commands'.
namespace tovalo::ui::texts {

using ui::qs;

inline constexpr char16_t kTitle[] = u"Tovalo";
// The title once a file was opened or saved. %1: the file's name, %2: the program title.
inline constexpr char16_t kTitleWithFile[] = u"%1 — %2";
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
inline constexpr char16_t kHelpPageFileName[] = u"help.htm";

// Menus and their entries.
inline constexpr char16_t kMenuFiles[] = u"ファイル";
inline constexpr char16_t kOpen[] = u"開く";
inline constexpr char16_t kSave[] = u"保存";
inline constexpr char16_t kClose[] = u"閉じる";
inline constexpr char16_t kMenuEdit[] = u"編集";
inline constexpr char16_t kSourceHeading[] = u"-もとの文章-";
inline constexpr char16_t kSelectAll[] = u"すべて選択";
inline constexpr char16_t kPaste[] = u"貼り付け";
inline constexpr char16_t kCopy[] = u"コピー";
inline constexpr char16_t kCut[] = u"切り取り";
inline constexpr char16_t kVerticalHeading[] = u"-縦書き-";
inline constexpr char16_t kCopyAll[] = u"すべてコピー";
inline constexpr char16_t kTagCopy[] = u"タグ付きコピー";
inline constexpr char16_t kOption[] = u"設定";
inline constexpr char16_t kMenuHelp[] = u"ヘルプ";
inline constexpr char16_t kManual[] = u"説明書";
inline constexpr char16_t kHome[] = u"ホームページ";
inline constexpr char16_t kVersion[] = u"バージョン情報";

// The kinds of file of the dialogs, as "description|pattern|" entries.
inline constexpr char16_t kOpenFilter[] = u"テキスト ファイル (*.txt)|*.txt|"
                                          u"すべてのファイル (*.*)|*.*|";
inline constexpr char16_t kSaveFilter[] = u"テキスト ファイル (*.txt)|*.txt|"
                                          u"htmlファイル (*.htm)|*.htm|"
                                          u"すべてのファイル (*.*)|*.*|";
inline constexpr char16_t kMailFilter[] = u"アプリケーション (*.exe)|*.exe|"
                                          u"すべてのファイル (*.*)|*.*|";
inline constexpr char16_t kMailTitle[] = u"メールソフトを指定してください";

inline constexpr char16_t kSaveFailed[] = u"ファイルを保存できませんでした。";
// %1: the largest size that opens, in megabytes.
inline constexpr char16_t kOpenTooLarge[] =
    u"ファイルが大きすぎるため開けませんでした（%1 MB まで）。";

inline constexpr char16_t kOpenNotText[] = u"テキスト ファイルではないため開けませんでした。";

// The desktop has no program that opens the help page or the home page.
inline constexpr char16_t kCannotOpen[] = u"開けませんでした。ブラウザーで開いてください。";

} // namespace tovalo::ui::texts
