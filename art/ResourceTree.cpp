#include "art/ResourceTree.h"

#include "art/ArtStyle.h"
#include "art/BmpFile.h"
#include "art/CursorFile.h"
#include "art/PictureCatalogue.h"
#include "art/WaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <stdexcept>

namespace {

QImage cursorCanvas()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

QPainterPath arrowPath()
{
    QPainterPath p;
    p.moveTo(1.5, 1.5);
    p.lineTo(1.5, 22.5);
    p.lineTo(6.5, 17.5);
    p.lineTo(10.5, 26.5);
    p.lineTo(14, 25);
    p.lineTo(10.2, 16.3);
    p.lineTo(17, 16.3);
    p.closeSubpath();
    return p;
}

void drawArrow(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::white);
    p.drawPath(arrowPath());
}

QImage arrowCursor()
{
    QImage image = cursorCanvas();
    QPainter p(&image);
    drawArrow(p);
    return image;
}

QImage handCursor()
{
    QImage image = cursorCanvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A hand pointing up with the index finger; the fingertip is the hot spot.
    QPainterPath hand;
    hand.moveTo(10, 15);
    hand.lineTo(10, 4);
    hand.cubicTo(10, 1.2, 14, 1.2, 14, 4);
    hand.lineTo(14, 12.5);
    hand.cubicTo(14, 10.6, 17.6, 10.6, 17.6, 12.5);
    hand.lineTo(17.6, 13.4);
    hand.cubicTo(17.6, 11.5, 21.2, 11.5, 21.2, 13.4);
    hand.lineTo(21.2, 14.4);
    hand.cubicTo(21.2, 12.5, 24.8, 12.5, 24.8, 14.4);
    hand.lineTo(24.8, 22);
    hand.cubicTo(24.8, 26, 22.5, 29.5, 19, 29.5);
    hand.lineTo(14, 29.5);
    hand.cubicTo(11.5, 29.5, 10.5, 28, 9, 26);
    hand.lineTo(4.2, 19.5);
    hand.cubicTo(3, 17.8, 5.5, 15.6, 7.2, 17.2);
    hand.closeSubpath();
    p.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.setPen(QPen(Qt::black, 1.0));
    p.drawLine(QPointF(14, 13), QPointF(14, 18));
    p.drawLine(QPointF(17.6, 13.6), QPointF(17.6, 18));
    p.drawLine(QPointF(21.2, 14.6), QPointF(21.2, 18));
    return image;
}

QImage helpCursor()
{
    QImage image = cursorCanvas();
    QPainter p(&image);
    drawArrow(p);
    // A small round badge with a question mark beside the arrow.
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(ArtStyle::strip());
    p.drawEllipse(QRectF(17.5, 15.5, 13, 13));
    p.setPen(Qt::white);
    QFont f = ArtStyle::font(11, true);
    p.setFont(f);
    p.drawText(QRectF(17.5, 15.5, 13, 13.5), Qt::AlignCenter, QStringLiteral("?"));
    return image;
}

} // namespace

QList<ResourceTree::File> ResourceTree::cursors()
{
    return {
        {QStringLiteral("Cur\\Arrow.cur"), CursorFile::encode(arrowCursor(), {1, 1})},
        {QStringLiteral("Cur\\Hand.cur"), CursorFile::encode(handCursor(), {12, 2})},
        {QStringLiteral("Cur\\Help.cur"), CursorFile::encode(helpCursor(), {1, 1})},
    };
}

QList<ResourceTree::File> ResourceTree::sounds()
{
    using P = WaveFile::Partial;
    // Hover: a soft rising two-note blip.
    const auto enter = WaveFile::synthesise(0.12, {P{880, 1.0, 30, 1046.5}, P{1760, 0.18, 45, 2093}}, 0.005,
                                            0.04, 0.35);
    // Click: a short wooden knock.
    const auto click = WaveFile::synthesise(0.07, {P{660, 1.0, 70}, P{1650, 0.45, 110}, P{2980, 0.2, 160}},
                                            0.002, 0.02, 0.5);
    // A weight set down on the lever: a low metallic clonk that rings out.
    const auto weight = WaveFile::synthesise(
        0.45, {P{196, 1.0, 14}, P{523, 0.5, 11}, P{1244, 0.22, 18}, P{98, 0.6, 30}, P{2617, 0.08, 40}}, 0.003,
        0.08, 0.55);
    return {
        {QStringLiteral("Sound\\enter.wav"), WaveFile::encode(enter)},
        {QStringLiteral("Sound\\click.wav"), WaveFile::encode(click)},
        {QStringLiteral("Sound\\zavazi.wav"), WaveFile::encode(weight)},
    };
}

QList<ResourceTree::File> ResourceTree::pictures(const PictureCatalogue& catalogue)
{
    QList<File> files;
    for (const Picture& picture : catalogue.pictures())
        files.append({picture.name, BmpFile::encode(PictureCatalogue::render(picture))});
    return files;
}

QString ResourceTree::diskPath(const QString& name)
{
    QString path = name;
    path.replace('\\', '/');
    return path;
}

int ResourceTree::write(const QString& root, const QList<File>& files)
{
    int written = 0;
    for (const File& file : files) {
        const QString path = QDir(root).filePath(diskPath(file.name));
        QFile existing(path);
        if (existing.open(QIODevice::ReadOnly) && existing.readAll() == file.bytes)
            continue;
        existing.close();
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            throw std::runtime_error("cannot create the folder of " + path.toStdString());
        QSaveFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(file.bytes) != file.bytes.size() || !out.commit())
            throw std::runtime_error("cannot write " + path.toStdString());
        ++written;
    }
    return written;
}
