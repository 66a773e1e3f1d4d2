#pragma once

#include <QString>

#include <array>

// The one address of the project's web pages; every link to them starts here.
inline constexpr char kVarnexProjectPage[] = "https://varnex.example/";

// The five pages the window links to, in URLTYPE order: home page, driver
// download page, and three help articles (tablet not found, virtual device
// cannot be opened, frequently asked questions). The help articles ship with
// the program as local pages in Chinese and English.
namespace ProjectLinks {

enum class Site { Chinese, International };

std::array<QString, 5> urlsFor(Site site);

// The folder of the shipped help pages: "help" beside the program, or the
// shared data folder of an installed program.
QString helpDirectory();

}  // namespace ProjectLinks
