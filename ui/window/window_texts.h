#pragma once

#include "ui/widgets/captions.h"

// The main window's captions and messages, its menu bar's and its commands', and the
// names of the files it reads and writes.
namespace tovalo::ui::texts {

using ui::qs;

// A caption of this table in the user's language.
inline QString tr(const char *text) {
    return translated("MainWindow", text);
}

inline constexpr char16_t kTitle[] = u"Tovalo";
// The title once a file was opened or saved. %1: the file's name, %2: the program title.
inline constexpr char16_t kTitleWithFile[] = u"%1 — %2";
inline constexpr char kAuto[] = QT_TRANSLATE_NOOP("MainWindow", "自動更新");
inline constexpr char kGap[] = QT_TRANSLATE_NOOP("MainWindow", "行を空ける");
inline constexpr char kFixedLines[] = QT_TRANSLATE_NOOP("MainWindow", "行数");
inline constexpr char kChars[] = QT_TRANSLATE_NOOP("MainWindow", "文字数");
inline constexpr char kMargin[] = QT_TRANSLATE_NOOP("MainWindow", "余白");
inline constexpr char kBody[] = QT_TRANSLATE_NOOP("MainWindow", "本文");

// Accessible names of the panes.
inline constexpr char kSourcePane[] = QT_TRANSLATE_NOOP("MainWindow", "もとの文章");
inline constexpr char kVerticalPane[] = QT_TRANSLATE_NOOP("MainWindow", "縦書き");

// Tool tips of the picture buttons.
inline constexpr char kPasteTip[] = QT_TRANSLATE_NOOP("MainWindow", "貼り付け");
inline constexpr char kCopyTip[] = QT_TRANSLATE_NOOP("MainWindow", "コピー");
inline constexpr char kMailTip[] = QT_TRANSLATE_NOOP("MainWindow", "メールソフト");
inline constexpr char kConvertTip[] = QT_TRANSLATE_NOOP("MainWindow", "変換");
inline constexpr char kPhoneTip[] = QT_TRANSLATE_NOOP("MainWindow", "携帯電話用");

inline constexpr char kNewerVersion[] =
    QT_TRANSLATE_NOOP("MainWindow", "最新バージョンが存在します");
inline constexpr char kStartUpFailed[] = QT_TRANSLATE_NOOP(
    "MainWindow", "ファイル読み込み中にエラーが発生しましたが大した問題にはならないでしょう");
inline constexpr char kSettingsNotSaved[] =
    QT_TRANSLATE_NOOP("MainWindow", "設定ファイルを保存できませんでした。");
inline constexpr char kFontWarning[] =
    QT_TRANSLATE_NOOP("MainWindow", "フォントによっては表示がおかしくなります");

inline constexpr char16_t kSettingsFileName[] = u"Tov.ini";
// Appended to the settings file's name for the copy of a file start-up could not read.
inline constexpr char16_t kUnreadSettingsSuffix[] = u".bak";
inline constexpr char16_t kManualFileName[] = u"説明書.txt";
inline constexpr char16_t kHelpPageFileName[] = u"help.htm";

// Menus and their entries.
inline constexpr char kMenuFiles[] = QT_TRANSLATE_NOOP("MainWindow", "ファイル");
inline constexpr char kOpen[] = QT_TRANSLATE_NOOP("MainWindow", "開く");
inline constexpr char kSave[] = QT_TRANSLATE_NOOP("MainWindow", "保存");
inline constexpr char kClose[] = QT_TRANSLATE_NOOP("MainWindow", "閉じる");
inline constexpr char kMenuEdit[] = QT_TRANSLATE_NOOP("MainWindow", "編集");
inline constexpr char kSourceHeading[] = QT_TRANSLATE_NOOP("MainWindow", "-もとの文章-");
inline constexpr char kSelectAll[] = QT_TRANSLATE_NOOP("MainWindow", "すべて選択");
inline constexpr char kPaste[] = QT_TRANSLATE_NOOP("MainWindow", "貼り付け");
inline constexpr char kCopy[] = QT_TRANSLATE_NOOP("MainWindow", "コピー");
inline constexpr char kCut[] = QT_TRANSLATE_NOOP("MainWindow", "切り取り");
inline constexpr char kVerticalHeading[] = QT_TRANSLATE_NOOP("MainWindow", "-縦書き-");
inline constexpr char kCopyAll[] = QT_TRANSLATE_NOOP("MainWindow", "すべてコピー");
inline constexpr char kTagCopy[] = QT_TRANSLATE_NOOP("MainWindow", "タグ付きコピー");
inline constexpr char kOption[] = QT_TRANSLATE_NOOP("MainWindow", "設定");
inline constexpr char kMenuHelp[] = QT_TRANSLATE_NOOP("MainWindow", "ヘルプ");
inline constexpr char kManual[] = QT_TRANSLATE_NOOP("MainWindow", "説明書");
inline constexpr char kHome[] = QT_TRANSLATE_NOOP("MainWindow", "ホームページ");
inline constexpr char kVersion[] = QT_TRANSLATE_NOOP("MainWindow", "バージョン情報");

// The kinds of file of the dialogs, as "description|pattern|" entries.
inline constexpr char kOpenFilter[] =
    QT_TRANSLATE_NOOP("MainWindow", "テキスト ファイル (*.txt)|*.txt|"
                                    "すべてのファイル (*.*)|*.*|");
inline constexpr char kSaveFilter[] =
    QT_TRANSLATE_NOOP("MainWindow", "テキスト ファイル (*.txt)|*.txt|"
                                    "htmlファイル (*.htm)|*.htm|"
                                    "すべてのファイル (*.*)|*.*|");
inline constexpr char kMailFilter[] =
    QT_TRANSLATE_NOOP("MainWindow", "アプリケーション (*.exe)|*.exe|"
                                    "すべてのファイル (*.*)|*.*|");
inline constexpr char kMailTitle[] =
    QT_TRANSLATE_NOOP("MainWindow", "メールソフトを指定してください");

inline constexpr char kSaveFailed[] =
    QT_TRANSLATE_NOOP("MainWindow", "ファイルを保存できませんでした。");
// %1: the largest size that opens, in megabytes.
inline constexpr char kOpenTooLarge[] =
    QT_TRANSLATE_NOOP("MainWindow", "ファイルが大きすぎるため開けませんでした（%1 MB まで）。");

inline constexpr char kOpenNotText[] =
    QT_TRANSLATE_NOOP("MainWindow", "テキスト ファイルではないため開けませんでした。");

// The desktop has no program that opens the help page or the home page.
inline constexpr char kCannotOpen[] =
    QT_TRANSLATE_NOOP("MainWindow", "開けませんでした。ブラウザーで開いてください。");

} // namespace tovalo::ui::texts
