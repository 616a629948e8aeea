#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringView>

#include <optional>

namespace artwork {

// Registers the compiled-in artwork; the resources library is static, so its resource data is
// only linked in through this call. pixmap() and appIcon() call it themselves.
void init();

// The picture `name` (a file of resources/, "banner.svg" or "banner") rendered for a box of
// `box` device-independent pixels on a screen of `devicePixelRatio`: the pixmap has box × ratio
// physical pixels and carries the ratio, so it is drawn crisp at 1× and 2×. The picture keeps its
// aspect ratio, centred in the box, on a transparent background. An unknown name yields a null
// pixmap.
QPixmap pixmap(const QString& name, QSize box, qreal devicePixelRatio);

// The application icon at the sizes window managers and task bars ask for.
QIcon appIcon();

// Boxes of the pictures that are not tile icons.
inline constexpr QSize BannerBox{655, 65};
inline constexpr QSize AboutBannerBox{309, 105};
inline constexpr QSize ArrowBox{10, 15};
inline constexpr QSize GlyphBox{23, 23};

struct Picture {
    QString name;
    QSize box;
};

// The picture and box of a category or task icon element ("imgData", "imgAudioRipper", ...);
// nothing for any other name.
std::optional<Picture> iconOf(QStringView elementName);

} // namespace artwork
