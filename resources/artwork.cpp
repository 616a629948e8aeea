#include "resources/artwork.h"

#include <QFile>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <QtGlobal>

#include <cmath>
#include <mutex>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initArtworkResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace artwork {

namespace {

QString resourcePath(const QString& name)
{
    QString file = name;
    if (!file.endsWith(QLatin1String(".svg")))
        file += QLatin1String(".svg");
    return QLatin1String(":/art/") + file;
}

} // namespace

void init()
{
    static std::once_flag once;
    std::call_once(once, initArtworkResources);
}

QPixmap pixmap(const QString& name, QSize box, qreal devicePixelRatio)
{
    init();
    if (box.isEmpty() || devicePixelRatio <= 0)
        return {};

    const QString path = resourcePath(name);
    const QString key = QStringLiteral("kv-art:%1:%2x%3@%4")
                            .arg(path)
                            .arg(box.width())
                            .arg(box.height())
                            .arg(devicePixelRatio);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached))
        return cached;

    if (!QFile::exists(path))
        return {};
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);

    const QSize physical(static_cast<int>(std::lround(box.width() * devicePixelRatio)),
                         static_cast<int>(std::lround(box.height() * devicePixelRatio)));
    QPixmap result(physical);
    result.fill(Qt::transparent);
    {
        QPainter painter(&result);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(physical)));
    }
    result.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, result);
    return result;
}

std::optional<Picture> iconOf(QStringView elementName)
{
    struct Row {
        const char* element;
        const char* picture;
        QSize box;
    };
    static constexpr QSize Square{48, 48};
    static const Row rows[] = {
        {"imgData", "cat_data.svg", Square},
        {"imgISO", "cat_iso.svg", Square},
        {"imgErase", "cat_erase.svg", Square},
        {"imgDiscInfo", "cat_discinfo.svg", QSize(43, 52)},
        {"imgAudio", "cat_audio.svg", Square},
        {"imgVideo", "cat_video.svg", Square},
        {"imgDataCD", "task_datacd.svg", Square},
        {"imgDataDVD", "task_datadvd.svg", Square},
        {"imgDataBD", "task_databd.svg", Square},
        {"imgAudioCD", "task_audiocd.svg", Square},
        {"imgAudioCompressor", "task_audiocompressor.svg", Square},
        {"imgAudioRipper", "task_audiograbber.svg", QSize(41, 50)},
        {"imgVideoVCD", "task_vcd.svg", Square},
        {"imgVideoSVCD", "task_svcd.svg", Square},
        {"imgVideoDVD", "task_dvdvideo.svg", Square},
        {"imgISOBurn", "task_isoburn.svg", Square},
        {"imgISOBuild", "task_isobuild.svg", Square},
        {"imgISOGrab", "task_isograb.svg", Square},
        {"imgISOOpen", "task_virtualdrive.svg", Square},
        {"imgEraseDisc", "task_erase.svg", Square},
        {"imgDiscInformation", "task_discinfo.svg", Square},
    };
    for (const Row& row : rows) {
        if (elementName == QLatin1String(row.element))
            return Picture{QLatin1String(row.picture), row.box};
    }
    return std::nullopt;
}

QIcon appIcon()
{
    QIcon icon;
    for (const int size : {16, 20, 24, 32, 40, 48, 64, 128, 256})
        icon.addPixmap(pixmap(QStringLiteral("app_icon.svg"), QSize(size, size), 1.0));
    return icon;
}

} // namespace artwork
