#include "update/up_check_error.h"

#include "platform/text/unicode.h"
#include "product/program_info.h"

#include <string>

namespace tovalo::update {
namespace {

constexpr std::int32_t kObjectErrorBase = static_cast<std::int32_t>(0x80040000u);

// The program name comes from the product's name unless a distinct name is given.
const std::string &noProgramNameMessage() {
    static const std::string message =
        text::toUtf8(program_info::kName) +
        " からソフト名が取得できません。Distinctnameを指定してください";
    return message;
}

std::string_view messageOf(UpCheckCode code) {
    switch (code) {
    case UpCheckCode::NotInstalled:
        return "更新風鐸がインストールされていないのでソフトの情報が書き込めません";
    case UpCheckCode::NoMailAddress:
        return "メールアドレスが指定されていません";
    case UpCheckCode::NoAuthor:
        return "開発者名が指定されていません";
    case UpCheckCode::NoInfoURL:
        return "アップデート情報ファイルのアドレスが指定されていません";
    case UpCheckCode::NoProgramName:
        return noProgramNameMessage();
    case UpCheckCode::NegativeIconIndex:
        return "IconIndex には負の値は設定できません";
    case UpCheckCode::RegistryFailure:
        break;
    }
    return "レジストリに原因不明のエラーが発生しアクセスできません";
}

} // namespace

UpCheckError UpCheckError::of(UpCheckCode code) {
    return {kObjectErrorBase + static_cast<std::int32_t>(code), messageOf(code)};
}

UpCheckError UpCheckError::overflow() {
    return {6, "オーバーフローしました。"};
}

} // namespace tovalo::update
