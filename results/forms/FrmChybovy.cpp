// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/forms/FrmChybovy.h"

#include "look/basics/Palette.h"
#include "look/basics/PictureNames.h"
#include "look/basics/TextElision.h"
#include "results/forms/HintTextLabel.h"
#include "results/hint/HintTextFit.h"
#include "screen/Blits.h"
#include "screen/RoleAccessible.h"
#include "screen/ScreenHost.h"
#include "screen/Tour.h"
#include "services/Services.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLabel>

#include <algorithm>
#include <cmath>

namespace orbeta {
namespace {

// The fonts of the design are in points at 96 dots per inch; the hint's
// sizes snap to whole pixels, so pixel sizes express them exactly.
int pixelsOf(double points)
{
    return int(std::lround(points * 96.0 / 72.0));
}

double measureAtReferenceSize(const QFont& labelFont, const QString& text)
{
    // A device of 96 dpi, so the measurement does not depend on the screen.
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        return image;
    }();
    QFont reference = labelFont;
    reference.setPointSizeF(HintTextFit::kReferencePoints);
    // A text of several lines is as wide as its longest line.
    double widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, HintTextLabel::lineWidth(reference, line, &device));
    return widest;
}

} // namespace

FrmChybovy::FrmChybovy(const Resources& resources, const QString& taskCode, QWidget* parent)
    : FrmChybovy(resources, HintLayout::forTask(taskCode), parent)
{
}

FrmChybovy::FrmChybovy(const Resources& resources, HintBubble bubble, QWidget* parent)
    : FrmChybovy(resources, HintLayout::forBubble(bubble), parent)
{
}

FrmChybovy::FrmChybovy(const Resources& resources, const HintLayout& layout, QWidget* parent)
    : HintWindow(QStringLiteral("frm_Chybovy"), parent)
    , m_layout(layout)
    , m_points(HintTextFit::kDesignedPoints)
{
    // A window of its own to a screen reader, its text in the description.
    RoleAccessible::assign(this, QAccessible::Dialog);
    setAccessibleName(QStringLiteral("Riešenie"));
    setFixedSize(m_layout.windowSize().isValid() ? m_layout.windowSize() : QSize(1, 1));
    QPalette magenta = palette();
    magenta.setColor(QPalette::Window, Palette::transparent());
    setPalette(magenta);
    if (!m_layout.picture().isEmpty())
        setPicture(resources.picture(m_layout.picture()));

    m_label = new HintTextLabel(this);
    m_label->setGeometry(m_layout.textArea());
    m_label->setAlignment(m_layout.textAlignment());
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont font = m_label->font();
    font.setPixelSize(pixelsOf(m_points));
    m_label->setFont(font);
    m_label->setVisible(m_layout.showsText());

    m_pic = new QLabel(this);
    m_pic->setGeometry(m_layout.pictureArea());
    m_pic->setAlignment(Qt::AlignCenter);
    // The drawing surface of the scene the task form copies in.
    m_pic->setAutoFillBackground(true);
    QPalette surface = m_pic->palette();
    surface.setColor(QPalette::Window, Qt::white);
    m_pic->setPalette(surface);
    m_pic->setVisible(!m_layout.showsText());

    ShapeWindowFromBitmap(*this, Palette::transparent());
}

void FrmChybovy::Vloz_Text(const QString& fullText)
{
    // No more than the label shows at the smallest size is measured or laid
    // out: a history item's text may fill a data file.
    const int smallestPx = pixelsOf(HintTextFit::kMinimumPoints);
    const QString text = fullText.left(TextElision::mostCharacters(m_label->width(), smallestPx)
                                       * (m_label->height() / smallestPx + 1));
    const auto fit = HintTextFit::fit(m_points, m_label->width(), measureAtReferenceSize(m_label->font(), text),
                                      m_layout.baseTop());
    m_points = fit.points;
    QFont font = m_label->font();
    font.setPixelSize(pixelsOf(m_points));
    m_label->setFont(font);
    m_label->move(m_label->x(), fit.top);
    m_label->setText(text);
    setAccessibleDescription(fullText);
}

QSize FrmChybovy::pictureSize() const
{
    return m_pic->size();
}

void FrmChybovy::showPicture(const QPixmap& picture)
{
    m_pic->setPixmap(picture);
}

void FrmChybovy::addTourStates(Tour& tour, Services& services)
{
    struct Case {
        const char* picture;
        const char* code;
        const char* shortText;
        const char* longText;
        QPoint at;
    };
    static const Case cases[] = {
        {"hint01", "1a", "Hustota: 0,79 g/cm³", "Hmotnosť kvapaliny: m = m₂ - m₁ = 98,7 g", {300, 200}},
        {"hint02", "5e", "Odpor: 45 Ω", "Odpor: 45 Ω     Prúd: 0,7 A\nCelkový prúd: 1,2 A", {300, 200}},
        {"hint03", "2e", "", "", {118, 90}},
        {"hint03-optics", "4a", "", "", {118, 90}},
        {"hint04", "6c", "Parný stroj – 1769",
         "Elektrický telegraf s ihlovými ukazovateľmi – W. F. Cooke a Ch. Wheatstone, 1837", {80, 200}},
        {"hint05", "6b", "Galileo Galilei", "Christiaan Huygens (1629 – 1695), vlnová teória svetla", {200, 200}},
        {"hint06", "6a", "Isaac Newton – gravitácia",
         "Isaac Newton – zákon všeobecnej gravitácie a pohybové zákony (1687)", {170, 200}},
    };
    for (const Case& c : cases) {
        for (const bool longText : {false, true}) {
            const QString text = QString::fromUtf8(longText ? c.longText : c.shortText);
            if (longText && text.isEmpty())
                continue;
            const QString state = QString::fromUtf8(c.picture) + (text.isEmpty()       ? QString()
                                                                  : longText ? QStringLiteral("-long")
                                                                             : QStringLiteral("-short"));
            tour.add(QStringLiteral("frm_Chybovy"), state, [&services, c, text](ScreenHost& host) {
                for (const char* name : {"frm_Chybovy", "tour_TaskBackdrop"}) {
                    if (QWidget* previous = host.findForm(QString::fromLatin1(name)))
                        host.unloadForm(previous);
                }
                // The hint stands over a task screen's background, as in a series.
                auto* backdrop = new Form(QStringLiteral("tour_TaskBackdrop"), host.stage());
                backdrop->setPicture(services.resources().picture(PictureNames::taskBackground()));
                host.showForm(backdrop);
                auto* hint = new FrmChybovy(services.resources(), QString::fromUtf8(c.code), host.stage());
                hint->Vloz_Text(text);
                host.showPopup(hint, c.at);
            });
        }
    }
}

} // namespace orbeta
