#pragma once

#include <QString>

#include <array>

namespace zelvano::app {

// The values that belong to this deployment of the program rather than to the
// program itself: who holds the rights, where users write and find updates,
// and the wallets of the donation request. The about panel, its links and the
// help actions all read them from here; the two addresses are set in the
// top-level CMakeLists.txt, which gives them to the metainfo and the package too.
struct Deployment {
    QString rightsNotice; // one line, in English
    QString mailAddress;  // plain address, without "mailto:"
    QString homePage;     // full web address with its scheme
    // Z, E, R and U wallets, in that order; 12 digits each.
    std::array<QString, 4> wallets;
};

const Deployment& deployment();

} // namespace zelvano::app
