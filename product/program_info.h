#pragma once

#include "tovalo_home_page.h"

// What the program tells the update checker and its users about itself and its author.
namespace tovalo::program_info {

inline constexpr char16_t kAuthorMail[] = u"tovalo@tovalo.example";
inline constexpr char16_t kAuthor[] = u"Tovalo Project";
inline constexpr char16_t kHost[] = u"tovalo.example";
inline constexpr char16_t kName[] = u"Tovalo";
inline constexpr char16_t kUpdateInfoUrl[] = u"https://tovalo.example/update/tovalo.txt";
// kDownloadPage, the home page, comes from the build (tovalo_home_page.h).
inline constexpr int kBuild = 210;

} // namespace tovalo::program_info
