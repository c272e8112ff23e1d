#include "calc/SolutionText.h"

#include "calc/NumberText.h"

#include <cstdlib>

namespace orbeta {
namespace {

const QString kOhm = QStringLiteral(" Ω");

QString resistance(int R)
{
    return QStringLiteral("Odpor: ") + FormatFixed(R, 0) + kOhm;
}

QString current(float I)
{
    return QStringLiteral("Prúd: ") + FormatFixed(I, 1) + QStringLiteral(" A");
}

QString voltage(float U, int decimals)
{
    return QStringLiteral("Napätie: ") + FormatFixed(U, decimals) + QStringLiteral(" V");
}

QString side(int mark)
{
    return mark < 0 ? QStringLiteral("vľavo") : QStringLiteral("vpravo");
}

// "8 · 3 + 2 · 5 = 34" for the weights on one side of the balanced lever.
QString momentLine(const LeverValues& x, bool left)
{
    QString terms;
    int sum = 0;
    for (int i = 0; i < x.count; ++i) {
        const int mark = x.marks[static_cast<std::size_t>(i)];
        if ((mark < 0) != left)
            continue;
        const int weight = x.weights[static_cast<std::size_t>(i)];
        if (!terms.isEmpty())
            terms += QStringLiteral(" + ");
        terms += QStringLiteral("%1 · %2").arg(weight).arg(std::abs(mark));
        sum += weight * std::abs(mark);
    }
    return (left ? QStringLiteral("vľavo: ") : QStringLiteral("vpravo: ")) + terms
           + QStringLiteral(" = %1").arg(sum);
}

struct Texts {
    int asked;

    QString operator()(const LiquidDensityValues& x) const
    {
        switch (asked) {
        case 1: return QStringLiteral("Objem: ") + PlainNumber(x.V) + QStringLiteral(" ml");
        case 2: return QStringLiteral("Hustota: ") + FormatFixed(x.rho, 2) + QStringLiteral(" g/cm³");
        default: return QStringLiteral("Hmotnosť: ") + FormatFixed(x.m2, 1) + QStringLiteral(" g");
        }
    }
    QString operator()(const SolidDensityValues& x) const
    {
        switch (asked) {
        case 1: return QStringLiteral("Hustota: ") + FormatFixed(x.rho, 1) + QStringLiteral(" g/cm³");
        case 2: return QStringLiteral("Hmotnosť: ") + FormatFixed(x.m, 1) + QStringLiteral(" g");
        default: return QStringLiteral("Objem: ") + QString::number(x.V2) + QStringLiteral(" ml");
        }
    }
    QString operator()(const UniformMotionValues& x) const
    {
        switch (asked) {
        case 1: return QStringLiteral("Rýchlosť: ") + FormatFixed(x.v, 1) + QStringLiteral(" m/s");
        case 2: return QStringLiteral("Dĺžka dráhy: ") + FormatFixed(x.s, 2) + QStringLiteral(" m");
        default: return QStringLiteral("Doba pohybu: ") + FormatFixed(x.t, 1) + QStringLiteral(" s");
        }
    }
    QString operator()(const NonUniformMotionValues& x) const
    {
        switch (asked) {
        case 1: return QStringLiteral("Rýchlosť: ") + FormatFixed(x.v, 0) + QStringLiteral(" km/h");
        case 2:
            return QStringLiteral("Dĺžka dráhy: ") + FormatFixed(x.s1, 0) + QStringLiteral(" km, ")
                   + FormatFixed(x.s2, 0) + QStringLiteral(" km");
        default:
            return QStringLiteral("Doba pohybu: %1 h %2 min").arg(x.hours()).arg(x.minutes());
        }
    }
    QString operator()(const LiquidPressureValues& x) const
    {
        switch (asked) {
        case 1: return QStringLiteral("Tlak: ") + FormatFixed(x.p, 1) + QStringLiteral(" kPa");
        case 2: return QStringLiteral("Hmotnosť: ") + FormatFixed(x.m, 1) + QStringLiteral(" kg");
        default: return QStringLiteral("Obsah: ") + FormatFixed(x.S, 0) + QStringLiteral(" dm²");
        }
    }
    QString operator()(const MechanicalWorkValues& x) const
    {
        switch (asked) {
        case 1: return QStringLiteral("Práca: ") + FormatFixed(x.W, 0) + QStringLiteral(" J");
        case 2: return QStringLiteral("Sila: ") + FormatFixed(x.F, 0) + QStringLiteral(" N");
        default: return QStringLiteral("Dĺžka dráhy: ") + FormatFixed(x.s, 0) + QStringLiteral(" m");
        }
    }
    QString operator()(const WinchPowerValues& x) const
    {
        switch (asked) {
        case 1: return QStringLiteral("Práca: ") + FormatFixed(x.W, 0) + QStringLiteral(" J");
        case 2: return QStringLiteral("Výkon: ") + FormatFixed(x.P, 0) + QStringLiteral(" W");
        default: return QStringLiteral("Doba pohybu: ") + FormatFixed(x.t, 1) + QStringLiteral(" s");
        }
    }
    QString operator()(const WinchEnergyValues& x) const
    {
        return QStringLiteral("Mech. energie: ") + FormatFixed(x.W, 0) + QStringLiteral(" J\nVýkon: ")
               + FormatFixed(x.P, 0) + QStringLiteral(" W");
    }
    QString operator()(const LeverValues& x) const
    {
        // Which weight goes to which mark, and why the lever then balances.
        return QStringLiteral("Správne zavesenie závažia:\nzávažie %1 na značku %2 %3\n")
                   .arg(x.placedWeight())
                   .arg(std::abs(x.placedMark()))
                   .arg(side(x.placedMark()))
               + momentLine(x, true) + QStringLiteral("     ") + momentLine(x, false);
    }
    QString operator()(const HeatValues& x) const { return heat(x.Q); }
    QString operator()(const MeltingValues& x) const { return heat(x.Q); }
    QString operator()(const OhmsLawValues& x) const
    {
        switch (asked) {
        case 1: return resistance(x.R);
        case 2: return current(x.I);
        default: return voltage(x.U, 0);
        }
    }
    QString operator()(const ElectricEnergyValues& x) const
    {
        return QStringLiteral("Energia: ") + FormatFixed(x.E, 1) + QStringLiteral(" kWh");
    }
    QString operator()(const ElectricPowerValues& x) const
    {
        switch (asked) {
        case 1: return QStringLiteral("Príkon: ") + FormatFixed(x.P, 0) + QStringLiteral(" W");
        case 2: return current(x.I);
        default: return voltage(x.U, 0);
        }
    }
    QString operator()(const SeriesResistorsValues& x) const
    {
        switch (asked) {
        case 1: return current(x.I);
        case 2: return resistance(x.R1);
        case 3: return resistance(x.R2);
        case 4: return voltage(x.U1, 0);
        default: return voltage(x.U2, 0);
        }
    }
    QString operator()(const ParallelResistorsValues& x) const
    {
        // U has one decimal here (b × f × a / 10), so it is shown with one.
        QString line;
        switch (asked) {
        case 1: line = resistance(x.R1); break;
        case 2: line = resistance(x.R2); break;
        case 3: line = voltage(x.U, 1); break;
        case 4: line = current(x.I1); break;
        default: line = current(x.I2); break;
        }
        return line + QStringLiteral("\nCelkový prúd: ") + FormatFixed(x.I, 1) + QStringLiteral(" A");
    }

    static QString heat(float Q)
    {
        return QStringLiteral("Prijaté teplo: ") + FormatFixed(Q, 3) + QStringLiteral(" kJ");
    }
};

} // namespace

QString SolutionText(const CalcExample& example)
{
    return std::visit(Texts{example.asked.value_or(0)}, example.values);
}

} // namespace orbeta
