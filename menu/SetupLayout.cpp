#include "menu/SetupLayout.h"

#include <utility>

namespace orbeta {
namespace {

QString setupPicture(const QString& name)
{
    return QStringLiteral("Bitmap\\Setup\\") + name + QStringLiteral(".bmp");
}

} // namespace

SetupLayout::SetupLayout(TopicGroup group, QString taskCode)
    : m_group(group), m_taskCode(std::move(taskCode))
{
}

SetupLayout SetupLayout::forTask(const QString& taskCode)
{
    return SetupLayout(TaskTable::groupOf(taskCode), taskCode);
}

std::uint8_t SetupLayout::countOf(int button) const
{
    if (button < 1 || button > CountButtons)
        return 0;
    return TaskTable::countsOffered(m_group)[static_cast<std::size_t>(button - 1)];
}

QString SetupLayout::countPicture(int button, bool chosen) const
{
    // Physics buttons are named by their count in two digits ("03"); history
    // buttons by five times their number in three digits ("005").
    const int digits = m_group == TopicGroup::History ? 3 : 2;
    const QString number = QString::number(countOf(button)).rightJustified(digits, QLatin1Char('0'));
    return setupPicture(number + (chosen ? QStringLiteral("_1") : QStringLiteral("_0")));
}

QString SetupLayout::arrowPicture(int button) const
{
    return setupPicture(QStringLiteral("Sipka_") + QString::number(5 * button).rightJustified(2, QLatin1Char('0')));
}

QString SetupLayout::background() const
{
    return setupPicture(m_group == TopicGroup::History ? QStringLiteral("bckg6") : QStringLiteral("bckg1"));
}

QString SetupLayout::helpPicture() const
{
    return m_group == TopicGroup::History ? QStringLiteral("Bitmap\\Help\\setup6.bmp")
                                          : QStringLiteral("Bitmap\\Help\\setup.bmp");
}

QString SetupLayout::headingPicture() const
{
    return setupPicture(QStringLiteral("s_") + m_taskCode);
}

QString SetupLayout::topicPicture() const
{
    return setupPicture(QStringLiteral("l_") + m_taskCode);
}

QString SetupLayout::continueBackground()
{
    return setupPicture(QStringLiteral("pokracbg"));
}

QString SetupLayout::printBackground()
{
    return setupPicture(QStringLiteral("tisknibg"));
}

QString SetupLayout::backPicture(bool highlighted)
{
    return setupPicture(highlighted ? QStringLiteral("back_1") : QStringLiteral("back_0"));
}

int SetupLayout::nameFieldLeft() const
{
    return m_group == TopicGroup::History ? 329 : 419;
}

QPoint SetupLayout::headingPosition() const
{
    return m_group == TopicGroup::History ? QPoint(86, 240) : QPoint(86, 297);
}

} // namespace orbeta
