#include "gui/Banners.h"

#include <QStackedLayout>

#include "gui/BannerTexts.h"
#include "gui/ClickLabel.h"
#include "links/modHelp.h"

namespace velmora {

ClickLabel* NewForumBanner(const QString& name, UrlOpener& urls, QWidget* parent) {
    auto* label = new ClickLabel(ForumBannerText(), parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    QObject::connect(label, &ClickLabel::clicked, label, [&urls] { OpenHomePage(urls); });
    return label;
}

OfferBanners::OfferBanners(UrlOpener& urls, QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("fraBanner"));
    setFrameShape(QFrame::StyledPanel);
    stack_ = new QStackedLayout(this);
    stack_->setContentsMargins(8, 4, 8, 4);
    cobrand_ = new ClickLabel(QString::fromUtf8(CobrandText), this);
    cobrand_->setObjectName(QStringLiteral("lblCobrand"));
    fullBrand_ = new ClickLabel(QString::fromUtf8(FullBrandText), this);
    fullBrand_->setObjectName(QStringLiteral("lblFullBrand"));
    for (ClickLabel* banner : {cobrand_, fullBrand_}) {
        banner->setWordWrap(true);
        banner->setAlignment(Qt::AlignCenter);
        stack_->addWidget(banner);
    }
    stack_->setCurrentWidget(fullBrand_);
    connect(cobrand_, &ClickLabel::clicked, this, [&urls] { OpenCoBrandPage(urls); });
    connect(fullBrand_, &ClickLabel::clicked, this, [&urls] { OpenFullBrandPage(urls); });
}

QWidget* OfferBanners::Front() const { return stack_->currentWidget(); }

void OfferBanners::BringToFront(QWidget* banner) {
    if (banner == cobrand_ || banner == fullBrand_) stack_->setCurrentWidget(banner);
}

void OfferBanners::Draw(const UniformSource& uniform) {
    switch (DrawOfferBanner(uniform)) {
        case OfferBanner::CoBrand: BringToFront(cobrand_); break;
        case OfferBanner::FullBrand: BringToFront(fullBrand_); break;
        case OfferBanner::None: break;
    }
}

}  // namespace velmora
