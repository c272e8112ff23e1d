// The whole picture set: names the forms load, sizes, and the sprite rule
// (exact magenta where transparent, nothing near it anywhere else).
#include "art/FullCatalogue.h"
#include "look/Layout.h"
#include "look/Palette.h"
#include "look/Typeface.h"

#include <QImage>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

using namespace orbeta;

namespace {

const QMap<QString, QImage>& rendered()
{
    static const QMap<QString, QImage> images = [] {
        Typeface::loadFonts();
        QMap<QString, QImage> out;
        const PictureCatalogue catalogue = fullCatalogue();
        for (const Picture& p : catalogue.pictures())
            out.insert(p.name, PictureCatalogue::render(p));
        return out;
    }();
    return images;
}

QSize sizeOf(const QString& name)
{
    return rendered().value(name).size();
}

bool isMagenta(const uchar* px) { return px[0] == 255 && px[1] == 0 && px[2] == 255; }

// Close to magenta without being it: what an anti-aliased fringe looks like.
bool nearMagenta(const uchar* px)
{
    return !isMagenta(px) && px[0] > 150 && px[2] > 150 && px[1] < 110 && std::abs(px[0] - px[2]) < 90;
}

TEST(PictureSet, HoldsEveryFileTheScreensLoadAtTheirSizes)
{
    QStringList expected = {
        "Bitmap\\Select\\bckg.bmp", "Bitmap\\Select\\end_0.bmp", "Bitmap\\Select\\end_1.bmp",
        "Bitmap\\Intro\\title.bmp", "Bitmap\\Help\\credits.bmp", "Bitmap\\Help\\setup.bmp",
        "Bitmap\\Help\\setup6.bmp", "Bitmap\\Games\\bg_1.bmp", "Bitmap\\Tab\\bckg.bmp",
        "Bitmap\\Tab\\back_0.bmp", "Bitmap\\Tab\\back_1.bmp", "Bitmap\\Setup\\bckg1.bmp",
        "Bitmap\\Setup\\bckg6.bmp", "Bitmap\\Setup\\pokracbg.bmp", "Bitmap\\Setup\\tisknibg.bmp",
        "Bitmap\\Setup\\back_0.bmp", "Bitmap\\Setup\\back_1.bmp",
    };
    for (int t = 1; t <= 6; ++t)
        expected << QString("Bitmap\\Select\\l_0%1_0.bmp").arg(t) << QString("Bitmap\\Select\\l_0%1_1.bmp").arg(t);
    for (const char* code : {"1a", "1b", "1c", "1d", "2a", "2b", "2c", "2d", "2e", "3a", "3b", "4a", "4b", "5a",
                             "5b", "5c", "5d", "5e", "6a", "6b", "6c"}) {
        for (const char* s : {"_0", "_1", "_2"})
            expected << QString("Bitmap\\Select\\r_0%1%2.bmp").arg(code, s);
        expected << QString("Bitmap\\Setup\\s_%1.bmp").arg(code) << QString("Bitmap\\Setup\\l_%1.bmp").arg(code)
                 << QString("Bitmap\\Games\\%1.bmp").arg(code);
    }
    for (const char* b : {"check", "new", "tab", "back"})
        expected << QString("Bitmap\\Games\\%1_0.bmp").arg(b) << QString("Bitmap\\Games\\%1_1.bmp").arg(b);
    for (const char* n : {"03", "05", "08", "10", "15", "005", "010", "015", "020", "025"})
        expected << QString("Bitmap\\Setup\\%1_0.bmp").arg(n) << QString("Bitmap\\Setup\\%1_1.bmp").arg(n);
    for (const char* n : {"05", "10", "15", "20", "25"})
        expected << QString("Bitmap\\Setup\\Sipka_%1.bmp").arg(n);
    for (int h = 1; h <= 6; ++h)
        expected << QString("Bitmap\\Games\\Hint0%1.bmp").arg(h);
    for (const QString& name : expected)
        EXPECT_TRUE(rendered().contains(name)) << qPrintable(name);

    for (const char* full : {"Bitmap\\Select\\bckg.bmp", "Bitmap\\Intro\\title.bmp", "Bitmap\\Help\\credits.bmp",
                             "Bitmap\\Games\\bg_1.bmp", "Bitmap\\Tab\\bckg.bmp", "Bitmap\\Setup\\bckg1.bmp"})
        EXPECT_EQ(sizeOf(full), QSize(640, 480)) << full;
    // Sizes fixed by the hint window.
    EXPECT_EQ(sizeOf("Bitmap\\Games\\Hint01.bmp"), QSize(214, 28));
    EXPECT_EQ(sizeOf("Bitmap\\Games\\Hint02.bmp"), QSize(212, 48));
    EXPECT_EQ(sizeOf("Bitmap\\Games\\Hint03.bmp"), QSize(403, 369));
    EXPECT_EQ(sizeOf("Bitmap\\Games\\Hint04.bmp"), QSize(476, 37));
    EXPECT_EQ(sizeOf("Bitmap\\Games\\Hint05.bmp"), QSize(214, 28));
    EXPECT_EQ(sizeOf("Bitmap\\Games\\Hint06.bmp"), QSize(300, 37));
    // Pictures copied through the menu's 238 × 80 scratch box must fit it.
    for (auto it = rendered().begin(); it != rendered().end(); ++it) {
        static const QRegularExpression scratch(R"(^Bitmap\\(Setup\\[sl]_|Games\\)[1-6][a-e]\.bmp$)");
        const bool viaScratch = scratch.match(it.key()).hasMatch();
        if (viaScratch) {
            EXPECT_LE(it.value().width(), 238) << qPrintable(it.key());
            EXPECT_LE(it.value().height(), 80) << qPrintable(it.key());
        }
    }
}

TEST(PictureSet, NamesAreUniqueIgnoringCase)
{
    const PictureCatalogue catalogue = fullCatalogue();
    QSet<QString> seen;
    for (const Picture& picture : catalogue.pictures()) {
        EXPECT_FALSE(seen.contains(picture.name.toLower())) << qPrintable(picture.name);
        seen.insert(picture.name.toLower());
    }
}

TEST(PictureSet, AnimationStripsHoldTwentyThreeButtonFrames)
{
    for (const char* strip : {"Bitmap\\Setup\\pokracuj.bmp", "Bitmap\\Setup\\tiskni.bmp"}) {
        const QSize size = sizeOf(strip);
        ASSERT_EQ(size.width() % 23, 0) << strip;
        EXPECT_EQ(QSize(size.width() / 23, size.height()), sizeOf("Bitmap\\Setup\\pokracbg.bmp")) << strip;
    }
    // The last frame is the finished button; the first is still mostly its empty place.
    const QImage strip = rendered().value("Bitmap\\Setup\\pokracuj.bmp");
    const int w = strip.width() / 23;
    EXPECT_NE(strip.copy(0, 0, w, strip.height()), strip.copy(22 * w, 0, w, strip.height()));
}

TEST(PictureSet, SpritesAreExactMagentaOutsideWithoutFringe)
{
    const PictureCatalogue catalogue = fullCatalogue();
    int sprites = 0;
    for (const Picture& picture : catalogue.pictures()) {
        const QImage& image = rendered()[picture.name];
        ASSERT_EQ(image.format(), QImage::Format_RGB888);
        int magenta = 0, fringe = 0;
        for (int y = 0; y < image.height(); ++y) {
            const uchar* line = image.constScanLine(y);
            for (int x = 0; x < image.width(); ++x) {
                magenta += isMagenta(line + 3 * x);
                fringe += nearMagenta(line + 3 * x);
            }
        }
        EXPECT_EQ(fringe, 0) << qPrintable(picture.name);
        if (picture.kind == PictureKind::Sprite) {
            ++sprites;
            EXPECT_GT(magenta, 0) << qPrintable(picture.name);
            EXPECT_LT(magenta, image.width() * image.height()) << qPrintable(picture.name);
        } else {
            EXPECT_EQ(magenta, 0) << qPrintable(picture.name);
        }
    }
    EXPECT_GE(sprites, 21 + 21 + 6);
}

TEST(PictureSet, ButtonStatesDiffer)
{
    for (const char* base : {"Bitmap\\Select\\l_01", "Bitmap\\Select\\r_05e", "Bitmap\\Games\\check",
                             "Bitmap\\Setup\\015", "Bitmap\\Tab\\back"}) {
        const QImage normal = rendered().value(QString(base) + "_0.bmp");
        const QImage high = rendered().value(QString(base) + "_1.bmp");
        ASSERT_FALSE(normal.isNull()) << base;
        EXPECT_NE(normal, high) << base;
    }
    EXPECT_NE(rendered().value("Bitmap\\Select\\r_01a_1.bmp"), rendered().value("Bitmap\\Select\\r_01a_2.bmp"));
}

} // namespace

namespace {

QColor at(const QString& name, int x, int y)
{
    return rendered().value(name).pixelColor(x, y);
}

double meanLuminance(const QImage& image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / (image.width() * image.height());
}

TEST(PictureSet, ChosenButtonsAreClearlyDarkerThanNormalOnes)
{
    for (const char* pair : {"Bitmap\\Select\\r_02c", "Bitmap\\Select\\r_06b"}) {
        const double normal = meanLuminance(rendered().value(QString(pair) + "_0.bmp"));
        const double chosen = meanLuminance(rendered().value(QString(pair) + "_2.bmp"));
        EXPECT_GT(normal - chosen, 60) << pair;
    }
    const double normal = meanLuminance(rendered().value("Bitmap\\Setup\\10_0.bmp"));
    const double chosen = meanLuminance(rendered().value("Bitmap\\Setup\\10_1.bmp"));
    EXPECT_GT(normal - chosen, 60);
}

// Button pictures are opaque rectangles: their corners and the places the
// screens leave for them must both be the ground colour, or the rounded
// shapes would sit in visible boxes.
TEST(PictureSet, ButtonsAndTheirPlacesShareTheGroundColour)
{
    const QColor ground = Palette::ground();
    for (auto it = rendered().begin(); it != rendered().end(); ++it) {
        static const QRegularExpression button(R"(_[012]\.bmp$|pokracbg|tisknibg)");
        if (!button.match(it.key()).hasMatch())
            continue;
        const QImage& image = it.value();
        EXPECT_EQ(image.pixelColor(0, 0), ground) << qPrintable(it.key());
        EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), ground) << qPrintable(it.key());
    }
    struct Place {
        const char* background;
        QRect rect;
    };
    QList<Place> places = {
        {"Bitmap\\Select\\bckg.bmp", Layout::kEndButton},
        {"Bitmap\\Setup\\bckg1.bmp", Layout::kContinueButton},
        {"Bitmap\\Setup\\bckg1.bmp", Layout::kPrintButton},
        {"Bitmap\\Setup\\bckg6.bmp", Layout::kSetupBack},
        {"Bitmap\\Setup\\bckg1.bmp", QRect(Layout::kArrow, Layout::kArrowSize)},
        {"Bitmap\\Setup\\bckg6.bmp", QRect(Layout::kHeading6, Layout::kHeadingSize6)},
        {"Bitmap\\Setup\\bckg1.bmp", QRect(Layout::kHeading15, Layout::kHeadingSize15)},
        {"Bitmap\\Games\\bg_1.bmp", QRect(Layout::kTopButton1.topLeft(), QSize(4 * 76, 52))},
        {"Bitmap\\Tab\\bckg.bmp", Layout::kResultsBack},
    };
    for (int t = 0; t < 6; ++t)
        places.append({"Bitmap\\Select\\bckg.bmp", Layout::kTopicButton1.translated(0, Layout::kTopicStep * t)});
    for (int r = 0; r < 5; ++r)
        places.append({"Bitmap\\Select\\bckg.bmp", Layout::kTaskButton1.translated(0, Layout::kTaskButton1.height() * r)});
    for (int i = 0; i < 5; ++i) {
        for (const char* bg : {"Bitmap\\Setup\\bckg1.bmp", "Bitmap\\Setup\\bckg6.bmp"})
            places.append({bg, Layout::kCountButton1.translated(Layout::kCountStep * i, 0)});
    }
    for (const Place& place : places) {
        const QRect r = place.rect;
        for (QPoint corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight(), r.center()})
            EXPECT_EQ(at(place.background, corner.x(), corner.y()), ground)
                << place.background << " at " << corner.x() << "," << corner.y();
    }
}

} // namespace
