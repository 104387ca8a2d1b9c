#pragma once

#include <QFrame>

#include "links/OfferBanner.h"

class QStackedLayout;

namespace velmora {

class ClickLabel;
class UrlOpener;

// The one-line invitation to the maker's forum along a window's top edge,
// named `name`; a click opens the maker's home page.
ClickLabel* NewForumBanner(const QString& name, UrlOpener& urls, QWidget* parent);

// The frame along a window's bottom edge: the two offer banners lblCobrand
// and lblFullBrand on the same spot, only the one in front seen, each opening
// its page when clicked. lblFullBrand lies in front as built.
class OfferBanners : public QFrame {
    Q_OBJECT
public:
    OfferBanners(UrlOpener& urls, QWidget* parent);

    ClickLabel* Cobrand() const { return cobrand_; }
    ClickLabel* FullBrand() const { return fullBrand_; }

    QWidget* Front() const;
    // Anything but one of the two banners is ignored.
    void BringToFront(QWidget* banner);
    // The draw made once at start; no draw leaves the stacking as it is.
    void Draw(const UniformSource& uniform);

private:
    QStackedLayout* stack_ = nullptr;
    ClickLabel* cobrand_ = nullptr;
    ClickLabel* fullBrand_ = nullptr;
};

}  // namespace velmora
