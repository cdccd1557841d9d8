#pragma once

#include "app/form1_texts.h"

// Captions and messages of the menu bar, the file commands and the version dialog.
namespace tovalo::io::texts {

using app::texts::qs;

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
inline constexpr char16_t kManualFileName[] = u"help.htm";

// The version dialog.
inline constexpr char16_t kAboutCaption[] = u"のﾊﾞｰｼﾞｮﾝ情報";
inline constexpr char16_t kVersionPrefix[] = u"ﾊﾞｰｼﾞｮﾝ ";
inline constexpr char16_t kOk[] = u"OK";
inline constexpr char16_t kSysInfo[] = u"ｼｽﾃﾑ情報(&S)...";
inline constexpr char16_t kSysInfoUnavailable[] = u"現時点ではｼｽﾃﾑ情報を使用できません";

} // namespace tovalo::io::texts
