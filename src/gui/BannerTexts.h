#pragma once

#include <QString>
#include <QtGlobal>

#include "links/modHelp.h"

// Texts of the promotional lines and banners both windows show.
namespace velmora {

inline constexpr const char* BlurbText = QT_TRANSLATE_NOOP(
    "Velmora",
    "Do you wish to know if the current time is good for traveling? Or starting a new business venture. "
    "Consult the Velmora software and get your answers today.");

// "&&" of the design caption is shown as one "&": these labels show their
// text as it is.
inline constexpr const char* CobrandText = QT_TRANSLATE_NOOP(
    "Velmora",
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's "
    "name &  link here. See \"Help\" for details.    Click Here for more info on co-branding.");

inline constexpr const char* FullBrandText = QT_TRANSLATE_NOOP(
    "Velmora",
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website. Click here for more details.");

// The one-line invitation to the maker's discussion forum, naming its site.
inline QString ForumBannerText() {
    QString site = QString::fromUtf8(MakerSite.data(), static_cast<qsizetype>(MakerSite.size()));
    const qsizetype scheme = site.indexOf(QStringLiteral("://"));
    if (scheme >= 0) site = site.mid(scheme + 3);
    // Translated whole with the site put back (gui/Translation.cpp).
    return QString::fromUtf8(QT_TRANSLATE_NOOP("Velmora", "Join the discussion in our online forum at %1")).arg(site);
}

}  // namespace velmora
