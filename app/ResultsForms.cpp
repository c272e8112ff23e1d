#include "app/ResultsForms.h"

#include "results/FrmChybovy.h"
#include "results/FrmTabulka.h"
#include "shell/Globals.h"
#include "shell/ScreenHost.h"

namespace orbeta {

void ResultsForms::finishSeries(QWidget* returnForm)
{
    Globals& g = globals();
    ScreenHost* host = ScreenHost::instance();
    auto* table = new FrmTabulka(m_services, host ? host->stage() : returnForm);
    const auto correct = std::uint8_t(g.CorrectCount);
    const auto total = std::uint8_t(g.CorrectCount + g.WrongCount);
    const QString correctText = QString::number(g.CorrectCount);
    const QString wrongText = QString::number(g.WrongCount);
    QString mark = table->Vlozeni_znamky(correct, total);
    table->Vloz_novy_zaznam(g.PupilName, correctText, wrongText, mark, 1);
    mark = table->Vlozeni_znamky(correct, total);
    table->Vloz_zaznam_do_souboru_vysledky_dat(g.PupilName, g.TopicName, g.TaskTitle, correctText, wrongText, mark);
    table->ReturnForm = returnForm;
    if (host)
        host->showForm(table);
}

void ResultsForms::showRanking(QWidget* returnForm)
{
    ScreenHost* host = ScreenHost::instance();
    auto* table = new FrmTabulka(m_services, host ? host->stage() : returnForm);
    table->ReturnForm = returnForm;
    if (host)
        host->showForm(table);
}

HintWindow* ResultsForms::createHint(HintBubble bubble, QWidget* parent)
{
    auto* hint = new FrmChybovy(bubble, parent);
    hint->hide();
    return hint;
}

} // namespace orbeta
