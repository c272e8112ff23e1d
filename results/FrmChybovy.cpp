#include "results/FrmChybovy.h"

#include "results/HintTextFit.h"
#include "shell/Misc.h"
#include "shell/Resources.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLabel>

#include <cmath>

namespace orbeta {
namespace {

constexpr double DesignedPoints = 12.0;

// The fonts of the design are in points at 96 dots per inch; the hint's
// sizes snap to whole pixels, so pixel sizes express them exactly.
int pixelsOf(double points)
{
    return int(std::lround(points * 96.0 / 72.0));
}

double measureAtReferenceSize(const QFont& labelFont, const QString& text)
{
    // A device of 96 dpi, so the measurement does not depend on the screen.
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        return image;
    }();
    QFont reference = labelFont;
    reference.setPointSizeF(HintTextFit::ReferencePoints);
    return QFontMetricsF(reference, &device).horizontalAdvance(text);
}

} // namespace

FrmChybovy::FrmChybovy(const QString& taskCode, QWidget* parent)
    : Form(QStringLiteral("frm_Chybovy"), parent)
    , m_layout(HintLayout::forTask(taskCode))
    , m_points(DesignedPoints)
{
    setFixedSize(m_layout.windowSize().isValid() ? m_layout.windowSize() : QSize(1, 1));
    QPalette magenta = palette();
    magenta.setColor(QPalette::Window, QColor(TransparentColour));
    setPalette(magenta);
    if (!m_layout.picture().isEmpty())
        setPicture(Resources::picture(m_layout.picture()));

    m_label = new QLabel(this);
    m_label->setGeometry(m_layout.textArea());
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label->setTextFormat(Qt::PlainText);
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Hint texts carry units in the symbol font's code points.
    QFont font(QStringLiteral("Sigla"));
    font.setPixelSize(pixelsOf(m_points));
    m_label->setFont(font);
    m_label->setVisible(m_layout.showsText());

    m_pic = new QLabel(this);
    m_pic->setGeometry(m_layout.pictureArea());
    m_pic->setAlignment(Qt::AlignCenter);
    m_pic->setVisible(!m_layout.showsText());

    ShapeWindowFromBitmap(*this, QColor(TransparentColour));
}

void FrmChybovy::Vloz_Text(const QString& text)
{
    const auto fit = HintTextFit::fit(m_points, m_label->width(), measureAtReferenceSize(m_label->font(), text),
                                      m_layout.baseTop());
    m_points = fit.points;
    QFont font = m_label->font();
    font.setPixelSize(pixelsOf(m_points));
    m_label->setFont(font);
    m_label->move(m_label->x(), fit.top);
    m_label->setText(text);
}

} // namespace orbeta
