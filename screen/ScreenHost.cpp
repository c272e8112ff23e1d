// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen/ScreenHost.h"

#include "screen/Form.h"
#include "services/Services.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QScreen>
#include <QPainter>

namespace orbeta {

namespace {

// Tells Qt's accessibility (AT-SPI, read by a screen reader) that the screens,
// which the window shows scaled on a stage of their own, are the window's children.
// The window: its one child is the stage with the screen in front.
class ScreenHostAccessible : public QAccessibleWidget {
public:
    explicit ScreenHostAccessible(ScreenHost* host)
        : QAccessibleWidget(host, QAccessible::Window, QStringLiteral("Orbeta Tarovia"))
    {
    }

    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(host()->stage()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == host()->stage() ? 0 : -1;
    }

private:
    ScreenHost* host() const { return static_cast<ScreenHost*>(widget()); }
};

// The stage is embedded in the window's scene, so Qt would take it for a
// window of its own that no window lists.
class StageAccessible : public QAccessibleWidget {
public:
    explicit StageAccessible(QWidget* stage)
        : QAccessibleWidget(stage, QAccessible::Client)
    {
    }

    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(ScreenHost::of(widget()));
    }
    // Named, so that a screen reader walking the window meets no nameless filler.
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? QStringLiteral("Obrazovka") : QAccessibleWidget::text(t);
    }
};

bool isStage(const QObject* object)
{
    const auto* widget = qobject_cast<const QWidget*>(object);
    const ScreenHost* host = ScreenHost::of(widget);
    return host && host->stage() == widget;
}

// The application: Qt lists the stage beside the window, since the stage has
// a window of its own; the screen is meant to appear once, inside the window.
class ApplicationAccessible : public QAccessibleApplication {
public:
    int childCount() const override { return int(windows().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QAccessibleInterface*> all = windows();
        return index >= 0 && index < all.size() ? all.at(index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return int(windows().indexOf(const_cast<QAccessibleInterface*>(child)));
    }

private:
    QList<QAccessibleInterface*> windows() const
    {
        QList<QAccessibleInterface*> all;
        for (int i = 0; i < QAccessibleApplication::childCount(); ++i) {
            QAccessibleInterface* window = QAccessibleApplication::child(i);
            if (window && !isStage(window->object()))
                all.append(window);
        }
        return all;
    }
};

QAccessibleInterface* hostAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("QApplication") && object == qApp)
        return new ApplicationAccessible;
    if (className == QLatin1String("orbeta::ScreenHost"))
        return new ScreenHostAccessible(static_cast<ScreenHost*>(object));
    // Asked for while the host is still being built, before the stage is on
    // its scene: the stage finds its host when asked for its parent.
    if (className == QLatin1String("QWidget") && !object->parent()
        && object->objectName() == QLatin1String("stage"))
        return new StageAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

void installAccessible()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(hostAccessible);
}

} // namespace

ScreenHost::ScreenHost(QWidget* parent)
    : QGraphicsView(parent)
{
    // Before the stage exists: Qt keeps the first description it makes of a widget.
    installAccessible();
    setWindowTitle(QStringLiteral("Orbeta Tarovia"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setBackgroundBrush(Qt::black);
    setAlignment(Qt::AlignCenter);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);

    auto* scene = new QGraphicsScene(this);
    scene->setSceneRect(0, 0, kDesignWidth, kDesignHeight);
    scene->setBackgroundBrush(Qt::black);
    setScene(scene);

    auto* stage = new QWidget;
    stage->setObjectName(QStringLiteral("stage"));
    stage->setFixedSize(kDesignWidth, kDesignHeight);
    stage->setMouseTracking(true);
    stage->setAutoFillBackground(true);
    QPalette palette = stage->palette();
    palette.setColor(QPalette::Window, Qt::black);
    stage->setPalette(palette);
    m_proxy = scene->addWidget(stage);
    m_proxy->setPos(0, 0);
    m_stage = stage;
    resize(kDesignWidth, kDesignHeight);
}

ScreenHost* ScreenHost::of(const QWidget* widget)
{
    if (!widget)
        return nullptr;
    // The stage is the one widget of the host's scene; every form and popup
    // of the host stands on it.
    while (widget->parentWidget())
        widget = widget->parentWidget();
    const QGraphicsProxyWidget* proxy = widget->graphicsProxyWidget();
    if (!proxy || !proxy->scene())
        return nullptr;
    for (QGraphicsView* view : proxy->scene()->views())
        if (auto* host = qobject_cast<ScreenHost*>(view))
            return host;
    return nullptr;
}

void ScreenHost::showForm(QWidget* form)
{
    if (!form)
        return;
    if (form->parentWidget() != m_stage)
        form->setParent(m_stage);
    if (form->width() == kDesignWidth && form->height() == kDesignHeight)
        form->move(0, 0);
    form->show();
    form->raise();
    m_currentForm = form;
    if (auto* screen = qobject_cast<Form*>(form))
        screen->activate();
}

void ScreenHost::hideForm(QWidget* form)
{
    if (form)
        form->hide();
}

void ScreenHost::unloadForm(QWidget* form)
{
    if (!form)
        return;
    form->hide();
    if (m_currentForm == form)
        m_currentForm = nullptr;
    form->deleteLater();
}

void ScreenHost::showPopup(QWidget* window, QPoint topLeft)
{
    if (!window)
        return;
    if (window->parentWidget() != m_stage)
        window->setParent(m_stage);
    window->move(topLeft);
    window->show();
    window->raise();
}

QWidget* ScreenHost::findForm(const QString& formName) const
{
    return m_stage->findChild<QWidget*>(formName, Qt::FindDirectChildrenOnly);
}

void ScreenHost::showPointer(const QCursor& cursor)
{
    m_proxy->setCursor(cursor);
}

QCursor ScreenHost::pointer() const
{
    return m_proxy->cursor();
}

QPoint ScreenHost::designPosition(QPoint globalPosition) const
{
    return mapToScene(viewport()->mapFromGlobal(globalPosition)).toPoint();
}

void ScreenHost::showScaledFullScreen()
{
    // Without a window manager the full-screen request alone does not
    // resize the window, so it is given the screen's size as well.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
    showFullScreen();
    fitStage();
}

void ScreenHost::showDesignWindow()
{
    setFixedSize(kDesignWidth, kDesignHeight);
    showNormal();
    fitStage();
}

QImage ScreenHost::grabStage() const
{
    return m_stage->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void ScreenHost::resizeEvent(QResizeEvent* event)
{
    QGraphicsView::resizeEvent(event);
    fitStage();
}

bool ScreenHost::viewportEvent(QEvent* event)
{
    const bool handled = QGraphicsView::viewportEvent(event);
    if (event->type() == QEvent::Paint)
        emit framePainted();
    return handled;
}

void ScreenHost::closeEvent(QCloseEvent* event)
{
    // Only the menu's end button ends the program in order.
    event->ignore();
    emit closeRequested();
}

void ScreenHost::fitStage()
{
    const qreal k = std::min(qreal(viewport()->width()) / kDesignWidth, qreal(viewport()->height()) / kDesignHeight);
    setTransform(QTransform::fromScale(k, k));
    centerOn(kDesignWidth / 2.0, kDesignHeight / 2.0);
}

bool EnterHoverItem(Services& services, const QWidget& form, std::uint8_t id)
{
    ScreenHost* host = ScreenHost::of(&form);
    if (host && host->hoverId() == id)
        return false;
    PlayEnterSound(services);
    if (host)
        host->setHoverId(id);
    return true;
}

void ClearHoverItem(const QWidget& form)
{
    if (ScreenHost* host = ScreenHost::of(&form))
        host->setHoverId(0);
}

} // namespace orbeta
