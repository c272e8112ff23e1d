// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/basics/PictureNames.h"

namespace orbeta {
namespace {

QString inFolder(const char* folder, const QString& name)
{
    return QStringLiteral("Bitmap\\") + QLatin1String(folder) + QLatin1Char('\\') + name + QStringLiteral(".bmp");
}

QString setup(const QString& name)
{
    return inFolder("Setup", name);
}

bool isHistory(TopicGroup group)
{
    return group == TopicGroup::History;
}

} // namespace

QString PictureNames::lookSuffix(ButtonLook look)
{
    switch (look) {
    case ButtonLook::Highlighted: return QStringLiteral("_1");
    case ButtonLook::Chosen: return QStringLiteral("_2");
    case ButtonLook::Normal: break;
    }
    return QStringLiteral("_0");
}

QString PictureNames::menuBackground()
{
    return inFolder("Select", QStringLiteral("bckg"));
}

QString PictureNames::topicButton(int topic, ButtonLook look)
{
    return inFolder("Select", QStringLiteral("l_%1").arg(topic, 2, 10, QLatin1Char('0')) + lookSuffix(look));
}

QString PictureNames::taskButton(const QString& taskCode, ButtonLook look)
{
    // The menu writes the codes with a leading zero: "01a".
    return inFolder("Select", QStringLiteral("r_0") + taskCode + lookSuffix(look));
}

QString PictureNames::endButton(ButtonLook look)
{
    return inFolder("Select", QStringLiteral("end") + lookSuffix(look));
}

QString PictureNames::title()
{
    return inFolder("Intro", QStringLiteral("title"));
}

QString PictureNames::credits()
{
    return inFolder("Help", QStringLiteral("credits"));
}

QString PictureNames::setupHelp(TopicGroup group)
{
    return inFolder("Help", isHistory(group) ? QStringLiteral("setup6") : QStringLiteral("setup"));
}

QString PictureNames::setupBackground(TopicGroup group)
{
    return setup(isHistory(group) ? QStringLiteral("bckg6") : QStringLiteral("bckg1"));
}

QString PictureNames::countButton(TopicGroup group, int count, bool chosen)
{
    // Physics counts in two digits ("03"), history counts in three ("005").
    const int digits = isHistory(group) ? 3 : 2;
    return setup(QString::number(count).rightJustified(digits, QLatin1Char('0'))
                 + (chosen ? QStringLiteral("_1") : QStringLiteral("_0")));
}

QString PictureNames::arrow(int button)
{
    return setup(QStringLiteral("Sipka_") + QString::number(5 * button).rightJustified(2, QLatin1Char('0')));
}

QString PictureNames::heading(const QString& taskCode)
{
    return setup(QStringLiteral("s_") + taskCode);
}

QString PictureNames::topicPicture(const QString& taskCode)
{
    return setup(QStringLiteral("l_") + taskCode);
}

QString PictureNames::continueBackground()
{
    return setup(QStringLiteral("pokracbg"));
}

QString PictureNames::printBackground()
{
    return setup(QStringLiteral("tisknibg"));
}

QString PictureNames::continueStrip()
{
    return setup(QStringLiteral("pokracuj"));
}

QString PictureNames::printStrip()
{
    return setup(QStringLiteral("tiskni"));
}

QString PictureNames::setupBack(ButtonLook look)
{
    return setup(QStringLiteral("back") + lookSuffix(look));
}

QString PictureNames::opticsBackground()
{
    return inFolder("Games", QStringLiteral("bg_2"));
}

QString PictureNames::lens(bool converging)
{
    return inFolder("Games", converging ? QStringLiteral("Spojka") : QStringLiteral("Rozptylk"));
}

QString PictureNames::mirror(const QString& fileName)
{
    return QStringLiteral("Bitmap\\Games\\") + fileName;
}

QString PictureNames::taskBackground()
{
    return inFolder("Games", QStringLiteral("bg_1"));
}

QString PictureNames::topButton(TopButton button, ButtonLook look)
{
    QString name;
    switch (button) {
    case TopButton::Check: name = QStringLiteral("check"); break;
    case TopButton::New: name = QStringLiteral("new"); break;
    case TopButton::Table: name = QStringLiteral("tab"); break;
    case TopButton::Back: name = QStringLiteral("back"); break;
    }
    return inFolder("Games", name + lookSuffix(look));
}

QString PictureNames::taskPicture(const QString& taskCode)
{
    return inFolder("Games", taskCode);
}

QString PictureNames::resultsBackground()
{
    return inFolder("Tab", QStringLiteral("bckg"));
}

QString PictureNames::resultsBack(ButtonLook look)
{
    return inFolder("Tab", QStringLiteral("back") + lookSuffix(look));
}

QString PictureNames::hint(int number)
{
    return inFolder("Games", QStringLiteral("Hint%1").arg(number, 2, 10, QLatin1Char('0')));
}

QString PictureNames::historyBackground(const QString& taskCode, bool halfScreen)
{
    if (taskCode == QLatin1String("6b"))
        return inFolder("Games", QStringLiteral("bg_4"));
    if (taskCode == QLatin1String("6c"))
        return inFolder("Games", QStringLiteral("bg_5"));
    return inFolder("Games", halfScreen ? QStringLiteral("bg_3half") : QStringLiteral("bg_3"));
}

QString PictureNames::liquidCylinder(bool numbers)
{
    return inFolder("Games", numbers ? QStringLiteral("Valce") : QStringLiteral("Valce2"));
}

QString PictureNames::solidCylinder(bool numbers)
{
    return inFolder("Games", numbers ? QStringLiteral("VahaValc") : QStringLiteral("VahaVal2"));
}

QString PictureNames::body(int body)
{
    return inFolder("Games", QStringLiteral("obj%1").arg(body, 2, 10, QLatin1Char('0')));
}

QString PictureNames::cart(int frame)
{
    return inFolder("Games", QStringLiteral("Doprav%1").arg(frame));
}

QString PictureNames::roadMap()
{
    return inFolder("Games", QStringLiteral("Mapa1"));
}

QString PictureNames::car()
{
    return inFolder("Games", QStringLiteral("Auto"));
}

QString PictureNames::startArrow()
{
    return inFolder("Games", QStringLiteral("Sipka"));
}

QString PictureNames::heatApparatus()
{
    return inFolder("Games", QStringLiteral("VahaKah2"));
}

QString PictureNames::meltingApparatus()
{
    return inFolder("Games", QStringLiteral("TaniVod2"));
}

QString PictureNames::burner(bool burning)
{
    return inFolder("Games", burning ? QStringLiteral("KahanHor") : QStringLiteral("Kahan"));
}

QString PictureNames::circuit(const QString& taskCode)
{
    return inFolder("Games", QStringLiteral("Elektr") + taskCode);
}

QString PictureNames::pressTank()
{
    return inFolder("Games", QStringLiteral("VahaPist"));
}

QString PictureNames::pressWeight()
{
    return inFolder("Games", QStringLiteral("Zavazi"));
}

QString PictureNames::board()
{
    return inFolder("Games", QStringLiteral("NakDeska"));
}

QString PictureNames::winch(bool motor)
{
    return inFolder("Games", motor ? QStringLiteral("Navijak") : QStringLiteral("Navijak2"));
}

QString PictureNames::drum(int frame)
{
    return inFolder("Games", QStringLiteral("nav%1").arg(frame));
}

QString PictureNames::lever(LeverTilt tilt)
{
    switch (tilt) {
    case LeverTilt::Left: return inFolder("Games", QStringLiteral("PakaL"));
    case LeverTilt::Right: return inFolder("Games", QStringLiteral("PakaR"));
    case LeverTilt::Level: break;
    }
    return inFolder("Games", QStringLiteral("Paka"));
}

QString PictureNames::leverWeight(int mass, bool ring)
{
    return inFolder("Games", QStringLiteral("Zavaz%1%2").arg(mass, 2, 10, QLatin1Char('0')).arg(ring ? "a" : ""));
}

QString PictureNames::experimentButton(ExperimentButton state)
{
    switch (state) {
    case ExperimentButton::Disabled: return inFolder("Games", QStringLiteral("b_play_d"));
    case ExperimentButton::Play: return inFolder("Games", QStringLiteral("b_play_0"));
    case ExperimentButton::PlayPressed: return inFolder("Games", QStringLiteral("b_play_1"));
    case ExperimentButton::Stop: return inFolder("Games", QStringLiteral("b_stop_0"));
    case ExperimentButton::StopPressed: return inFolder("Games", QStringLiteral("b_stop_1"));
    }
    return {};
}

QString PictureNames::checkMark(bool right)
{
    return inFolder("Games", right ? QStringLiteral("Check_ok") : QStringLiteral("Check_ko"));
}

QString PictureNames::calculatorKey(CalculatorKey key, bool pressed)
{
    // The operation keys are numbered 1 to 4 with a "_" before the state, the clear key is "c".
    QString name;
    switch (key) {
    case CalculatorKey::Plus: name = QStringLiteral("k_1_"); break;
    case CalculatorKey::Minus: name = QStringLiteral("k_2_"); break;
    case CalculatorKey::Times: name = QStringLiteral("k_3_"); break;
    case CalculatorKey::Divide: name = QStringLiteral("k_4_"); break;
    case CalculatorKey::Clear: name = QStringLiteral("k_c"); break;
    }
    return inFolder("Games", name + (pressed ? QLatin1Char('1') : QLatin1Char('0')));
}

QString PictureNames::tableGround()
{
    return inFolder("Games", QStringLiteral("blue"));
}

QString PictureNames::tableTop()
{
    return inFolder("Games", QStringLiteral("tab_top"));
}

QString PictureNames::tableBody()
{
    return inFolder("Games", QStringLiteral("tab_body"));
}

QString PictureNames::tableBottom()
{
    return inFolder("Games", QStringLiteral("tab_bott"));
}

QString PictureNames::taskHelp(const QString& taskCode)
{
    return inFolder("Help", taskCode);
}

QString PictureNames::cursor(Cursor cursor)
{
    switch (cursor) {
    case Cursor::Arrow:
        return QStringLiteral("Cur\\Arrow.cur");
    case Cursor::Hand:
        return QStringLiteral("Cur\\Hand.cur");
    case Cursor::Help:
        return QStringLiteral("Cur\\Help.cur");
    }
    return {};
}

} // namespace orbeta
