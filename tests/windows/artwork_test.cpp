// The artwork renders for every picture element at its box size, crisp at 1x and 2x: a pixmap of
// box x ratio physical pixels that really draws something and leaves its background clear.
#include "launcher/task_catalogue.h"
#include "resources/artwork.h"

#include <QDir>
#include <QImage>
#include <QtTest>

namespace {

struct Coverage {
    qsizetype opaque = 0;
    qsizetype transparent = 0;
    qsizetype total = 0;
};

Coverage coverageOf(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    Coverage coverage;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(line[x]);
            if (alpha == 255)
                ++coverage.opaque;
            else if (alpha == 0)
                ++coverage.transparent;
        }
    }
    coverage.total = qsizetype(image.width()) * image.height();
    return coverage;
}

QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

class ArtworkTest : public QObject {
    Q_OBJECT

private slots:
    void picturesRenderAtTheirBox_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<qreal>("ratio");
        // Shares of the box, in per mille, that must be fully opaque and fully clear.
        QTest::addColumn<int>("opaque");
        QTest::addColumn<int>("clear");

        const auto add = [](const QString& name, QSize box, int opaque, int clear) {
            for (const qreal ratio : {1.0, 2.0})
                QTest::addRow("%s@%gx", qPrintable(name), ratio) << name << box << ratio << opaque << clear;
        };
        // Banners fill their box; only rounded corners may stay clear.
        add(QStringLiteral("banner.svg"), artwork::BannerBox, 980, 0);
        add(QStringLiteral("about_banner.svg"), artwork::AboutBannerBox, 980, 0);
        // Icons, markers and glyphs stand on white and on the highlight colour: they must draw
        // something and leave their background clear. The app icon's tile covers most of it.
        add(QStringLiteral("arrow.svg"), artwork::ArrowBox, 20, 100);
        add(QStringLiteral("glyph_about.svg"), artwork::GlyphBox, 20, 100);
        add(QStringLiteral("glyph_help.svg"), artwork::GlyphBox, 20, 100);
        add(QStringLiteral("app_icon.svg"), QSize(48, 48), 500, 10);
        for (const auto& category : launcher::TaskCatalogue::categories()) {
            const auto picture = artwork::iconOf(latin1(category.iconName));
            QVERIFY2(picture, category.iconName.data());
            add(picture->name, picture->box, 20, 100);
        }
        for (const auto& task : launcher::TaskCatalogue::tasks()) {
            const auto picture = artwork::iconOf(latin1(task.iconName));
            QVERIFY2(picture, task.iconName.data());
            add(picture->name, picture->box, 20, 100);
        }
    }

    void picturesRenderAtTheirBox()
    {
        QFETCH(QString, name);
        QFETCH(QSize, box);
        QFETCH(qreal, ratio);
        QFETCH(int, opaque);
        QFETCH(int, clear);

        const QPixmap pixmap = artwork::pixmap(name, box, ratio);
        QVERIFY(!pixmap.isNull());
        QCOMPARE(pixmap.size(), box * ratio);
        QCOMPARE(pixmap.devicePixelRatio(), ratio);
        QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(box));

        const Coverage coverage = coverageOf(pixmap);
        QVERIFY2(coverage.opaque * 1000 >= coverage.total * opaque, "too little is drawn");
        QVERIFY2(coverage.transparent * 1000 >= coverage.total * clear, "background not clear");
    }

    void iconBoxesFollowTheLayout_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QSize>("box");
        for (const auto& category : launcher::TaskCatalogue::categories()) {
            const bool tall = category.iconName == "imgDiscInfo";
            QTest::newRow(category.iconName.data())
                << latin1(category.iconName) << (tall ? QSize(43, 52) : QSize(48, 48));
        }
        for (const auto& task : launcher::TaskCatalogue::tasks()) {
            const bool tall = task.iconName == "imgAudioRipper";
            QTest::newRow(task.iconName.data())
                << latin1(task.iconName) << (tall ? QSize(41, 50) : QSize(48, 48));
        }
    }

    void iconBoxesFollowTheLayout()
    {
        QFETCH(QString, element);
        QFETCH(QSize, box);
        const auto picture = artwork::iconOf(element);
        QVERIFY(picture);
        QCOMPARE(picture->box, box);
    }

    void everyTileHasItsOwnIcon()
    {
        QSet<QString> names;
        qsizetype tiles = 0;
        for (const auto& category : launcher::TaskCatalogue::categories()) {
            names.insert(artwork::iconOf(latin1(category.iconName))->name);
            ++tiles;
        }
        for (const auto& task : launcher::TaskCatalogue::tasks()) {
            names.insert(artwork::iconOf(latin1(task.iconName))->name);
            ++tiles;
        }
        QCOMPARE(names.size(), tiles);
    }

    void everyCompiledInPictureRenders()
    {
        artwork::init();
        const QStringList files = QDir(QStringLiteral(":/art")).entryList(QDir::Files);
        QVERIFY(files.size() >= 27);
        for (const QString& file : files)
            QVERIFY2(!artwork::pixmap(file, QSize(32, 32), 1.0).isNull(), qPrintable(file));
    }

    void unknownNamesAndEmptyBoxesYieldNothing()
    {
        QVERIFY(artwork::pixmap(QStringLiteral("no_such_picture.svg"), QSize(48, 48), 1.0).isNull());
        QVERIFY(artwork::pixmap(QStringLiteral("banner.svg"), QSize(0, 65), 1.0).isNull());
        QVERIFY(artwork::pixmap(QStringLiteral("banner.svg"), QSize(655, 65), 0.0).isNull());
        QVERIFY(!artwork::iconOf(u"imgBanner"));
        QVERIFY(!artwork::iconOf(u"panData"));
    }

    void nameWithoutSuffixFindsThePicture()
    {
        const QImage a = artwork::pixmap(QStringLiteral("cat_data"), QSize(48, 48), 1.0).toImage();
        const QImage b = artwork::pixmap(QStringLiteral("cat_data.svg"), QSize(48, 48), 1.0).toImage();
        QVERIFY(!a.isNull());
        QCOMPARE(a, b);
    }

    void appIconOffersTheDesktopSizes()
    {
        const QIcon icon = artwork::appIcon();
        QVERIFY(!icon.isNull());
        for (const int size : {16, 32, 48, 256}) {
            const QPixmap pm = icon.pixmap(QSize(size, size));
            QCOMPARE(pm.size(), QSize(size, size));
            QVERIFY(coverageOf(pm).opaque > 0);
        }
    }
};

QTEST_MAIN(ArtworkTest)
#include "artwork_test.moc"
