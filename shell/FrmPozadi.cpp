#include "shell/FrmPozadi.h"

#include <QEvent>
#include <QTimer>

namespace orbeta {

FrmPozadi::FrmPozadi(QWidget* front)
    : front_(front)
{
    setObjectName(QStringLiteral("frm_Pozadi"));
    setWindowTitle(QStringLiteral("Orbeta Tarovia"));
    setWindowFlag(Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
}

bool FrmPozadi::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        bringFrontBack();
    return QWidget::event(event);
}

void FrmPozadi::mousePressEvent(QMouseEvent*)
{
    bringFrontBack();
}

void FrmPozadi::bringFrontBack()
{
    if (busy_ || !front_)
        return;
    busy_ = true;
    front_->raise();
    front_->activateWindow();
    // Activating the front window activates this one again for a moment.
    QTimer::singleShot(100, this, [this] { busy_ = false; });
}

} // namespace orbeta
