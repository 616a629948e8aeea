// Renders the artwork where it will stand: the banner strip with its version label and glyph
// buttons, the About banner, the category column and every task pane with plain and highlighted
// tiles, and every icon alone on white and on the highlight colour. `zoom` magnifies the 1×
// renderings so single pixels can be judged; `icons` writes the application icon PNGs.
#include "launcher/task_catalogue.h"
#include "resources/artwork.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <cstdio>
#include <string_view>

namespace {

const QColor Highlight(120, 169, 241);
const QColor SkinBackground(243, 243, 243);
const QColor WindowText(0, 0, 0);

QString qs(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QFont windowFont(bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    font.setBold(bold);
    return font;
}

class Sheet {
public:
    Sheet(QPainter& painter, qreal dpr) : m_painter(painter), m_dpr(dpr) {}

    void picture(const QString& name, QPoint at, QSize box)
    {
        const QPixmap pm = artwork::pixmap(name, box, m_dpr);
        m_painter.drawPixmap(QRect(at, box), pm);
    }

    void text(QPoint topLeft, const QString& text, const QColor& colour, bool bold = false)
    {
        m_painter.setFont(windowFont(bold));
        m_painter.setPen(colour);
        m_painter.drawText(QRect(topLeft, QSize(800, 14)), Qt::AlignLeft | Qt::AlignTop, text);
    }

    void heading(QPoint at, const QString& text)
    {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(12);
        font.setBold(true);
        m_painter.setFont(font);
        m_painter.setPen(QColor(90, 90, 90));
        m_painter.drawText(at, text);
    }

    // The banner strip of the main window: banner, version label, the two glyph buttons.
    void bannerStrip(QPoint at)
    {
        m_painter.fillRect(QRect(at, QSize(679, 70)), SkinBackground);
        picture(QStringLiteral("banner.svg"), at + QPoint(10, 4), artwork::BannerBox);
        text(at + QPoint(548, 12), QStringLiteral("V1.8"), Qt::white);
        picture(QStringLiteral("glyph_about.svg"), at + QPoint(610, 43), artwork::GlyphBox);
        picture(QStringLiteral("glyph_help.svg"), at + QPoint(638, 43), artwork::GlyphBox);
    }

    void aboutWindow(QPoint at)
    {
        m_painter.fillRect(QRect(at, QSize(309, 304)), SkinBackground);
        picture(QStringLiteral("about_banner.svg"), at, artwork::AboutBannerBox);
        text(at + QPoint(128, 139), QStringLiteral("Version 1.8"), WindowText);
        text(at + QPoint(44, 155), QStringLiteral("Windows95/98/ME/2000/NT/XP/2003/Vista"),
             WindowText);
        const QRect ok(at + QPoint(201, 256), QSize(75, 25));
        m_painter.setPen(QColor(120, 120, 120));
        m_painter.setBrush(QColor(225, 225, 225));
        m_painter.drawRect(ok.adjusted(0, 0, -1, -1));
        m_painter.setPen(WindowText);
        m_painter.setFont(windowFont());
        m_painter.drawText(ok, Qt::AlignCenter, QStringLiteral("OK"));
    }

    // The white category column; `highlighted` < 0 highlights every tile.
    void categoryColumn(QPoint at, int highlighted)
    {
        m_painter.fillRect(QRect(at, QSize(189, 449)), Qt::white);
        int index = 0;
        for (const launcher::CategoryEntry& category : launcher::TaskCatalogue::categories()) {
            const bool lit = highlighted < 0 || highlighted == index;
            const QPoint tile = at + QPoint(1, category.top);
            m_painter.fillRect(QRect(tile, QSize(188, 75)), lit ? Highlight : QColor(Qt::white));
            const auto icon = artwork::iconOf(qs(category.iconName));
            if (icon) {
                const int left = category.iconName == "imgData" ? 73 : 69;
                picture(icon->name, tile + QPoint(left, 3), icon->box);
            }
            m_painter.setFont(windowFont());
            m_painter.setPen(lit ? QColor(Qt::white) : WindowText);
            m_painter.drawText(QRect(tile + QPoint(0, 57), QSize(188, 14)),
                               Qt::AlignHCenter | Qt::AlignTop, qs(category.caption));
            picture(QStringLiteral("arrow.svg"), tile + QPoint(172, 30), artwork::ArrowBox);
            ++index;
        }
    }

    // One task pane with the tile `highlighted` lit; returns its height.
    int taskPane(QPoint at, std::string_view pane, int highlighted, int width = 457)
    {
        const auto tasks = launcher::TaskCatalogue::tasksOfPane(pane);
        const int height = static_cast<int>(tasks.size()) * launcher::TaskTileHeight;
        m_painter.fillRect(QRect(at, QSize(width, height)), Qt::white);
        int index = 0;
        for (const launcher::TaskEntry* task : tasks) {
            const bool lit = index == highlighted;
            const QPoint tile = at + QPoint(0, index * launcher::TaskTileHeight);
            m_painter.fillRect(QRect(tile, QSize(width, launcher::TaskTileHeight)),
                               lit ? Highlight : QColor(Qt::white));
            if (const auto icon = artwork::iconOf(qs(task->iconName)))
                picture(icon->name, tile + QPoint(8, 8), icon->box);
            const QColor colour = lit ? QColor(Qt::white) : WindowText;
            text(tile + QPoint(72, 10), qs(task->title), colour, true);
            text(tile + QPoint(72, 27), qs(task->line1), colour);
            text(tile + QPoint(72, 43), qs(task->line2), colour);
            ++index;
        }
        return height;
    }

    QPainter& painter() { return m_painter; }

private:
    QPainter& m_painter;
    qreal m_dpr;
};

struct Named {
    QString name;
    QSize box;
};

QList<Named> allPictures()
{
    QList<Named> list;
    for (const auto& category : launcher::TaskCatalogue::categories())
        if (const auto icon = artwork::iconOf(qs(category.iconName)))
            list.append({icon->name, icon->box});
    for (const auto& task : launcher::TaskCatalogue::tasks())
        if (const auto icon = artwork::iconOf(qs(task.iconName)))
            list.append({icon->name, icon->box});
    list.append({QStringLiteral("arrow.svg"), artwork::ArrowBox});
    list.append({QStringLiteral("glyph_about.svg"), artwork::GlyphBox});
    list.append({QStringLiteral("glyph_help.svg"), artwork::GlyphBox});
    list.append({QStringLiteral("app_icon.svg"), QSize(48, 48)});
    return list;
}

int writeSheet(const QString& out, qreal dpr)
{
    const QSize logical(1460, 1540);
    QImage image((QSizeF(logical) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(214, 218, 224));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(dpr, dpr);
    Sheet sheet(painter, dpr);

    sheet.heading({10, 20}, QStringLiteral("Banner strip"));
    sheet.bannerStrip({10, 28});
    sheet.heading({720, 20}, QStringLiteral("About window"));
    sheet.aboutWindow({720, 28});
    sheet.heading({1060, 20}, QStringLiteral("Category column"));
    sheet.categoryColumn({1060, 28}, 0);
    sheet.categoryColumn({1260, 28}, -1);

    sheet.heading({10, 124}, QStringLiteral("Icons on white and on the highlight colour"));
    const QList<Named> pictures = allPictures();
    int x = 10;
    int y = 134;
    for (const Named& named : pictures) {
        if (x + 128 > 700) {
            x = 10;
            y += 66;
        }
        painter.fillRect(QRect(x, y, 62, 62), Qt::white);
        painter.fillRect(QRect(x + 62, y, 62, 62), Highlight);
        sheet.picture(named.name, QPoint(x + 31 - named.box.width() / 2, y + 31 - named.box.height() / 2),
                      named.box);
        sheet.picture(named.name, QPoint(x + 93 - named.box.width() / 2, y + 31 - named.box.height() / 2),
                      named.box);
        x += 132;
    }

    y = 500;
    sheet.heading({10, y - 6}, QStringLiteral("Task panes"));
    const std::string_view panes[] = {"panDataDetail", "panISODetail", "panEraseDetail",
                                      "panDiscInfoDetail", "panAudioDetail", "panVideoDetail"};
    const int lit[] = {1, 0, 0, -1, 2, 1};
    int columnY[2] = {y, y};
    for (int i = 0; i < 6; ++i) {
        const int column = i % 2;
        const int h = sheet.taskPane({10 + column * 470, columnY[column]}, panes[i], lit[i]);
        columnY[column] += h + 10;
    }
    painter.end();
    if (!image.save(out)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return 1;
    }
    std::printf("%s\n", qPrintable(out));
    return 0;
}

// Every picture rendered at 1× and at 2×, each magnified so that one rendered pixel shows as
// a block: the 1× rendering by four, the 2× by two, side by side on white and highlight.
int writeZoom(const QString& out)
{
    const QList<Named> pictures = allPictures();
    const int cell = 4 * 52;
    const int columns = 4;
    const int rows = static_cast<int>((pictures.size() + 1) / 2);
    QImage image(columns * cell + 10, rows * cell + 10, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(214, 218, 224));
    QPainter painter(&image);
    for (qsizetype i = 0; i < pictures.size(); ++i) {
        const Named& named = pictures[i];
        const int row = static_cast<int>(i / 2);
        const int col = static_cast<int>(i % 2) * 2;
        for (int bg = 0; bg < 2; ++bg) {
            const QRect cellRect(5 + (col + bg) * cell, 5 + row * cell, cell - 4, cell - 4);
            painter.fillRect(cellRect, bg == 0 ? QColor(Qt::white) : Highlight);
            const qreal dpr = bg == 0 ? 1.0 : 2.0;
            QPixmap pm = artwork::pixmap(named.name, named.box, dpr);
            pm.setDevicePixelRatio(1.0);
            const int factor = bg == 0 ? 4 : 2;
            const QSize shown = pm.size() * factor;
            painter.drawPixmap(QRect(cellRect.topLeft() + QPoint((cellRect.width() - shown.width()) / 2,
                                                                  (cellRect.height() - shown.height()) / 2),
                                     shown),
                               pm);
        }
    }
    painter.end();
    if (!image.save(out))
        return 1;
    std::printf("%s\n", qPrintable(out));
    return 0;
}

int writeIcons(const QString& dir)
{
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImage image = artwork::pixmap(QStringLiteral("app_icon.svg"), QSize(size, size), 1.0).toImage();
        const QString path = QStringLiteral("%1/app_icon_%2.png").arg(dir).arg(size);
        if (!image.save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString mode = args.value(1);
    if (mode == QLatin1String("sheet") && args.size() >= 3)
        return writeSheet(args[2], args.size() >= 4 ? args[3].toDouble() : 1.0);
    if (mode == QLatin1String("zoom") && args.size() >= 3)
        return writeZoom(args[2]);
    if (mode == QLatin1String("icons") && args.size() >= 3)
        return writeIcons(args[2]);
    QTextStream(stderr) << "usage: artwork-sheet sheet OUT.png [DPR] | zoom OUT.png | icons DIR\n";
    return 2;
}
