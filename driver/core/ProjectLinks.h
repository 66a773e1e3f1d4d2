#pragma once

#include <QString>

#include <array>

// The five pages the window links to, in URLTYPE order: home page, driver
// and firmware download page, and three help articles (tablet not found,
// virtual device cannot be opened, frequently asked questions). All five ship
// with the program as local pages in Chinese and English, so every link
// opens a page that tells the user what to do, also without a network.
namespace ProjectLinks {

enum class Site { Chinese, International };

std::array<QString, 5> urlsFor(Site site);

// The English home page, which the log's title links to.
QString logHomePage();

// The folder of the shipped help pages: "help" beside the program, or the
// shared data folder of an installed program.
QString helpDirectory();

}  // namespace ProjectLinks
