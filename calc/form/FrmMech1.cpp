// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/form/FrmMech1.h"

#include "calc/calculator/AnswerKeyFilter.h"
#include "calc/form/CalcScene.h"
#include "calc/form/CalcTablePanel.h"
#include "calc/data/CalcTaskFiles.h"
#include "calc/form/CalculatorPanel.h"
#include "calc/grading/CheckExample.h"
#include "calc/rules/GenerateExample.h"
#include "calc/basics/RandomSource.h"
#include "calc/form/ScenePicture.h"
#include "calc/tables/ShownTable.h"
#include "calc/grading/SlipHint.h"
#include "calc/grading/SolutionText.h"
#include "calc/basics/QuantityTable.h"
#include "calc/rules/TaskQuantities.h"
#include "formats/SiglaText.h"
#include "frame/HintWindow.h"
#include "look/controls/FocusPainter.h"
#include "look/scenes/LabScene.h"
#include "look/basics/Layout.h"
#include "look/basics/Palette.h"
#include "look/basics/PictureNames.h"
#include "screen/Blits.h"
#include "screen/Form.h"
#include "screen/PictureButton.h"
#include "screen/ScreenHost.h"
#include "services/Resources.h"
#include "services/Services.h"
#include "tasks/TaskTable.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace orbeta {
namespace {

const QString kSigla = QStringLiteral("Sigla");

// A unit stands clear of the focus frame drawn around its box (a pixel
// outside the frame's width), so that a narrow unit ("J") stays whole.
constexpr int kUnitGap = int(FocusPainter::kWidth) + 4;

// A box changed by other means than a key (a paste by the middle button, a
// dropped text) keeps only what the keys could have typed.
void cleanBox(QLineEdit* box, BoxKind kind)
{
    const BoxEdit clean = CleanBox(box->text(), box->cursorPosition(), kind);
    if (clean.text == box->text())
        return;
    box->setText(clean.text);
    box->setCursorPosition(clean.caret);
}

QFont pixelFont(const QFont& base, int pixels, bool bold = false)
{
    QFont font = base;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The unit of answer box `box` as the Sigla font writes it.
QString siglaUnit(CalcTask task, int box, const QString& unit)
{
    for (const Quantity& q : TaskQuantities::of(task))
        if (q.box == box && !q.unit.empty())
            return QString::fromStdU16String(std::u16string(q.unitInSigla()));
    return unit;
}

// The box shows `text` whole, without scrolling: a box takes no more than it
// shows, so that no part of a typed answer is out of sight when it is judged.
bool showsWhole(const QLineEdit& box, const QString& text)
{
    QStyleOptionFrame panel;
    panel.initFrom(&box);
    panel.rect = box.rect();
    panel.lineWidth = box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, &box) : 0;
    const QRect contents = box.style()->subElementRect(QStyle::SE_LineEditContents, &panel, &box);
    const QMargins margins = box.textMargins();
    // The line edit's own margin of 2 pixels each side, a pixel, and the caret.
    const int room = contents.width() - margins.left() - margins.right() - 2 * 2 - 1 - 1;
    return box.fontMetrics().horizontalAdvance(text) <= room;
}

} // namespace

std::unique_ptr<FrmMech1> FrmMech1::open(Services& services, ResultsLink& results, const SeriesSetup& setup,
                                         CalcTask task, std::optional<std::uint64_t> seed, QWidget* returnForm,
                                         QWidget* parent)
{
    std::unique_ptr<FrmMech1> form(new FrmMech1(services, results, setup, task, seed, returnForm, parent));
    if (!form->loadData())
        return nullptr;
    form->m_tablePanel->build(form->m_table, calcTaskTableRows(task));
    form->beginSeries();
    return form;
}

FrmMech1::FrmMech1(Services& services, ResultsLink& results, const SeriesSetup& setup, CalcTask task,
                   std::optional<std::uint64_t> seed, QWidget* returnForm, QWidget* parent)
    : TaskFrame(QStringLiteral("frm_Mech1"), services, results, calcTaskCode(task), setup, returnForm, parent,
                {.newTip = QStringLiteral("Nový príklad (F6)"),
                 .progress = Layout::kCalcProgress,
                 .continueButton = Layout::kCalcContinue,
                 .marks = 1,
                 .markSize = Layout::kCheckMark.size(),
                 .markTip = QStringLiteral("Podrž tlačidlo myši a uvidíš správne riešenie."),
                 .rightMarkOpens = true,
                 .holdMark = true})
    , m_task(task)
    , m_seeds(seed)
{
    buildControls();
}

bool FrmMech1::loadData()
{
    const FileResult<CalcTaskFiles> files = CalcTaskFiles::read(m_task, m_services.resources().installation().dataDir);
    if (!files) {
        m_services.showMessage(QStringLiteral("Chyba"), files.error().message(), MessageIcon::Critical);
        return false;
    }
    m_table = files.value().table;
    m_exampleTable = files.value().numbers;
    m_map = files.value().map;
    return true;
}

void FrmMech1::buildControls()
{
    setPicture(m_services.resources().picture(PictureNames::taskBackground()));
    const QImage title = m_services.resources().image(PictureNames::taskPicture(m_code));
    BlitTransparent(persistentImage(), 0, 0, title.width(), title.height(), title, 0, 0, Palette::transparent());

    LblZadani = new QLabel(this);
    LblZadani->setGeometry(Layout::kCalcAssignment);
    LblZadani->setWordWrap(true);
    LblZadani->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    Pic = new ScenePicture(m_map, this);
    Pic->setGeometry(Layout::kCalcScene);
    Pic->setFocusPolicy(Qt::ClickFocus);
    Pic->setAccessibleName(m_task == CalcTask::Lever ? QStringLiteral("Páka so závažiami") : QStringLiteral("Obrázok pokusu"));
    m_leverPanel = new LeverPanel(*Pic, m_services, m_task == CalcTask::Lever);
    connect(m_leverPanel, &LeverPanel::moved, this, &FrmMech1::leverMoved);
    connect(m_leverPanel, &LeverPanel::pointed, this,
            [this](bool hand) { showPointer(Pic, hand ? m_services.resources().handCursor() : m_services.resources().arrowCursor()); });

    for (int i = 0; i < 6; ++i) {
        auto* box = new QLineEdit(this);
        box->resize(Layout::kAnswerBox);
        box->setAlignment(Qt::AlignRight);
        box->setMaxLength(12);
        box->setContextMenuPolicy(Qt::NoContextMenu);
        box->setAcceptDrops(false);
        box->hide();
        connect(box, &QLineEdit::textEdited, this, [box] { cleanBox(box, BoxKind::Answer); });
        TVstup[std::size_t(i)] = box;
        box->setAccessibleName(QStringLiteral("Odpoveď %1").arg(i + 1));
        auto* unit = new QLabel(this);
        unit->hide();
        LVstup[std::size_t(i)] = unit;
    }
    for (auto* boxes : {&TStart, &TCil}) {
        for (auto& box : *boxes) {
            box = new QLineEdit(this);
            box->resize(Layout::kTimeBox);
            box->setAlignment(Qt::AlignCenter);
            box->setMaxLength(2);
            box->setContextMenuPolicy(Qt::NoContextMenu);
            box->setAcceptDrops(false);
            box->hide();
            connect(box, &QLineEdit::textEdited, this, [box] { cleanBox(box, BoxKind::Time); });
        }
    }
    // A box is named by its quantity and unit, as the screen reader says it.
    for (const Quantity& q : TaskQuantities::of(m_task)) {
        if (q.box < 1 || q.box > 6)
            continue;
        QString name = q.label.empty() ? QString::fromLatin1(q.name) : QString::fromStdU16String(std::u16string(q.label));
        if (!q.unit.empty())
            name += QStringLiteral(", ") + QString::fromStdU16String(std::u16string(q.unit));
        TVstup[std::size_t(q.box - 1)]->setAccessibleName(name);
    }
    const std::array<QString, 2> clock{QStringLiteral("hodiny"), QStringLiteral("minúty")};
    for (std::size_t i = 0; i < 2; ++i) {
        TStart[i]->setAccessibleName(QStringLiteral("Čas odchodu, ") + clock[i]);
        TCil[i]->setAccessibleName(QStringLiteral("Čas príchodu do cieľa, ") + clock[i]);
    }
    LStart = new QLabel(this);
    LStart->hide();
    LCil = new QLabel(this);
    LCil->hide();

    PicStart = new PictureButton(this, kHoverStart);
    PicStart->setGeometry(Layout::kExperimentButton);
    PicStart->setFixedPictureSize(Layout::kExperimentButton.size());
    PicStart->setToolTip(QStringLiteral("Pokus: spustiť a zastaviť (F2)"));
    PicStart->setAccessibleName(QStringLiteral("Pokus"));
    PicStart->setAccessibleDescription(QStringLiteral("Spustí a zastaví pokus. Kláves F2."));
    using ExperimentButton = PictureNames::ExperimentButton;
    for (ExperimentButton state : {ExperimentButton::Disabled, ExperimentButton::Play, ExperimentButton::PlayPressed,
                                   ExperimentButton::Stop, ExperimentButton::StopPressed})
        m_startPictures[std::size_t(state)] = m_services.resources().picture(PictureNames::experimentButton(state));
    connect(PicStart, &PictureButton::mouseMoved, this, [this] {
        EnterHoverItem(m_services, *this, kHoverStart);
        showPointer(PicStart, PicStart->isEnabled() ? m_services.resources().handCursor() : m_services.resources().arrowCursor());
    });
    connect(PicStart, &PictureButton::mousePressed, this, [this] {
        setStartPicture(m_running ? StartPicture::StopPressed : StartPicture::PlayPressed);
    });
    connect(PicStart, &PictureButton::clicked, this, [this] { pressStart(m_services.tickCount()); });

    m_calculator = new CalculatorPanel(*this, m_services, calcTaskTableRows(m_task) == 0);

    m_tablePanel = new CalcTablePanel(*this, m_services.resources());

    NormaliseControls(*this);
    // After the common font: the assignment is smaller for the lever task.
    LblZadani->setFont(pixelFont(LblZadani->font(), m_task == CalcTask::Lever ? 12 : 16));
    m_calculator->setFonts();
    m_tablePanel->setFonts();
    for (QLabel* unit : LVstup)
        unit->setFont(pixelFont(QFont(kSigla), 14));
    for (QLineEdit* box : TVstup)
        box->setFont(LabScene::answerBoxFont());
}

QWidget* FrmMech1::scenePicture() const
{
    return Pic;
}

PictureButton* FrmMech1::calculatorKey(int i) const
{
    return m_calculator->key(i);
}

QLineEdit* FrmMech1::calculatorInput() const
{
    return m_calculator->input();
}

QPlainTextEdit* FrmMech1::notes() const
{
    return m_calculator->notes();
}

QLabel* FrmMech1::tableLabel(int column, int row) const
{
    return m_tablePanel->label(column, row);
}

void FrmMech1::GenerateExample()
{
    RandomSource rnd(m_seeds.next(m_services.now().toMSecsSinceEpoch()));
    m_example = ::orbeta::GenerateExample(m_task, m_exampleTable, rnd);
    m_experiment = Experiment(m_example);
    m_running = false;

    const LoadedTables& tables = m_services.resources().tables();
    LblZadani->setText(tables.assignments.at(std::size_t(std::clamp(m_example.assignmentLine, 0, TextTables::kMaxLines))));

    const SceneLayout layout = CalcScene::layout(m_example);
    const QPoint origin = Layout::kCalcScene.topLeft();
    auto hintText = [&tables](int line) { return line > 0 ? tables.hints.at(std::size_t(std::min(line, 70))) : QString(); };
    for (std::size_t i = 0; i < 6; ++i) {
        const AnswerBox& a = m_example.boxes[i];
        QLineEdit* box = TVstup[i];
        QLabel* unit = LVstup[i];
        const bool shown = a.used && layout.boxes[i].has_value();
        box->setVisible(shown);
        unit->setVisible(shown);
        if (!shown)
            continue;
        box->setGeometry(QRect(origin + *layout.boxes[i], QSize(layout.boxWidths[i], box->height())));
        box->setText(a.text);
        box->setToolTip(hintText(a.hintLine));
        box->setProperty("tag", a.tagged() ? 1 : 0);
        lockBox(box, true);
        // The unit labels are in Sigla.
        unit->setText(siglaUnit(m_task, int(i) + 1, a.unit));
        unit->adjustSize();
        unit->move(box->x() + box->width() + kUnitGap, box->y() + (box->height() - unit->height()) / 2);
    }
    for (std::size_t i = 0; i < 2; ++i) {
        TStart[i]->setVisible(layout.timeBoxes);
        TCil[i]->setVisible(layout.timeBoxes);
        if (!layout.timeBoxes)
            continue;
        TStart[i]->setGeometry(QRect(origin + layout.startBoxes[i], layout.startBoxSize));
        TStart[i]->setMaxLength(layout.startDigits);
        TStart[i]->setText(m_example.startBoxes[i]);
        TStart[i]->setToolTip(hintText(m_example.startHintLines[i]));
        TStart[i]->setProperty("tag", 1);
        lockBox(TStart[i], true);
        TCil[i]->move(origin + layout.finishBoxes[i]);
        TCil[i]->setText(m_example.finishBoxes[i]);
        TCil[i]->setToolTip(hintText(m_example.finishHintLines[i]));
        TCil[i]->setProperty("tag", m_example.finishBoxes[i].isEmpty() ? 0 : 1);
        lockBox(TCil[i], true);
    }
    LStart->setVisible(layout.timeBoxes);
    LCil->setVisible(layout.timeBoxes);
    if (layout.timeBoxes) {
        LStart->setText(layout.startCaption);
        LStart->adjustSize();
        LStart->move(origin + layout.startLabel);
        LCil->setText(layout.finishCaption);
        LCil->adjustSize();
        LCil->move(origin + layout.finishLabel);
    }
    // The example's own numbers in the table (the speeds of "1d").
    const CalcTable shown = ShownTable(m_table, m_example);
    m_tablePanel->showNumbers(shown);
    m_tablePanel->highlight(m_example.shownRow);
    m_markedRow = 0;
    showFrame(0);
    m_leverPanel->reset(m_example);
    setStartPicture(StartPicture::Play);
    PicStart->setEnabled(true);
}

void FrmMech1::lockBox(QLineEdit* box, bool locked)
{
    box->setReadOnly(locked);
    box->setFocusPolicy(locked ? Qt::NoFocus : Qt::StrongFocus);
    box->setCursor(locked ? m_services.resources().arrowCursor() : m_services.resources().handCursor());
}

void FrmMech1::showFrame(int frame)
{
    Pic->setScene(m_example, m_experiment.scene(frame));
    if (frame == 0 && !m_running)
        return;
    const ExperimentReadings readings = m_experiment.readings(frame);
    for (std::size_t i = 0; i < 6; ++i) {
        if (readings.boxes[i])
            TVstup[i]->setText(*readings.boxes[i]);
    }
    for (std::size_t i = 0; i < 2; ++i) {
        if (readings.finishBoxes[i])
            TCil[i]->setText(*readings.finishBoxes[i]);
    }
}

void FrmMech1::setStartPicture(StartPicture picture)
{
    PicStart->setPicture(m_startPictures[std::size_t(picture)]);
}

void FrmMech1::setControls(bool on)
{
    lockToolbar(!on);
    m_calculator->setEnabled(on);
}

void FrmMech1::pressStart(std::uint32_t now)
{
    PlayClickSound(m_services);
    if (!PicStart->isEnabled())
        return;
    if (m_running) {
        m_running = false;
        m_experiment.stop();
        setStartPicture(StartPicture::Play);
        setControls(true);
        return;
    }
    m_running = true;
    setStartPicture(StartPicture::Stop);
    setControls(false);
    if (const auto moved = CalcScene::layout(m_example).movedOnStart) {
        QLineEdit* box = TVstup[std::size_t(moved->box - 1)];
        QLabel* unit = LVstup[std::size_t(moved->box - 1)];
        box->move(Layout::kCalcScene.topLeft() + moved->to);
        unit->move(box->x() + box->width() + kUnitGap, box->y() + (box->height() - unit->height()) / 2);
    }
    m_experiment.start(now);
    showFrame(m_experiment.shownFrame());
    animate(now);
}

void FrmMech1::finishRun()
{
    m_running = false;
    setStartPicture(StartPicture::Play);
    setControls(true);
    unlockAnsweredBoxes();
}

void FrmMech1::unlockAnsweredBoxes()
{
    // The boxes the generation left empty, the answer boxes in legend order and then the clock.
    QLineEdit* first = nullptr;
    for (QLineEdit* box : boxesInLegendOrder()) {
        if (!box->isHidden() && box->property("tag").toInt() == 0) {
            lockBox(box, false);
            first = first ? first : box;
        }
    }
    if (first)
        first->setFocus();
}

std::vector<QLineEdit*> FrmMech1::boxesInLegendOrder() const
{
    std::vector<QLineEdit*> boxes;
    for (int box : QuantityTable::boxesInLegendOrder(TaskQuantities::of(m_task)))
        boxes.push_back(TVstup[std::size_t(box - 1)]);
    boxes.insert(boxes.end(), TCil.begin(), TCil.end());
    return boxes;
}

std::optional<std::uint32_t> FrmMech1::animatePanels(std::uint32_t now)
{
    if (m_running) {
        if (m_experiment.advance(now))
            showFrame(m_experiment.shownFrame());
        if (!m_experiment.running())
            finishRun();
    }
    if (!m_running)
        return std::nullopt;
    return m_experiment.nextDue();
}

std::vector<bool> FrmMech1::judgeExample()
{
    setControls(false);
    topButton(4)->setEnabled(true);
    PicStart->setEnabled(false);
    setStartPicture(StartPicture::Disabled);

    CalcAnswer answer;
    for (std::size_t i = 0; i < 6; ++i)
        answer.boxes[i] = TVstup[i]->text();
    for (std::size_t i = 0; i < 2; ++i)
        answer.finishBoxes[i] = TCil[i]->text();
    answer.markedRow = m_markedRow;
    answer.lever = m_leverPanel->settle();
    for (QLineEdit* box : TVstup)
        lockBox(box, true);
    for (QLineEdit* box : TCil)
        lockBox(box, true);
    m_lastRight = CheckExample(m_example, answer);
    m_slip = m_lastRight ? QString() : SlipHint(m_example, answer);
    // Let go, a lever that does not balance tips to its heavier side.
    if (m_task == CalcTask::Lever && !m_lastRight)
        Pic->setScene(m_example, LeverFrame{1});
    return {m_lastRight};
}

QRect FrmMech1::markRect(int) const
{
    return Layout::kCheckMark;
}

bool FrmMech1::buildExample()
{
    setControls(true);
    setStartPicture(StartPicture::Play);
    m_calculator->clear();
    GenerateExample();
    return true;
}

void FrmMech1::showSolution(int, QPoint at)
{
    // With a slip line the hint needs the bubble of two lines.
    const bool slip = !m_slip.isEmpty();
    const TaskRow* row = TaskTable::find(m_code);
    HintWindow* window = &hint(slip ? HintBubble::TwoLines : row ? row->hint : HintBubble::OneLine);
    const QString text = SolutionText(m_example, m_slip);
    window->Vloz_Text(text);
    if (m_task == CalcTask::Lever && !slip) {
        QPixmap picture(window->pictureSize());
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        CalcScene::drawLeverSolution(painter, picture.size(), m_example, text);
        painter.end();
        window->showPicture(picture);
    }
    // Beside the pointer, but never over the pupil's answer (the boxes and
    // their units, the clock); the frame keeps it clear of its own controls
    // and whole on the screen.
    std::vector<QRect> keepClear;
    for (std::size_t i = 0; i < TVstup.size(); ++i)
        if (TVstup[i]->isVisible())
            keepClear.push_back(TVstup[i]->geometry().united(LVstup[i]->geometry()));
    for (const auto* boxes : {&TStart, &TCil})
        for (QLineEdit* box : *boxes)
            if (box->isVisible())
                keepClear.push_back(box->geometry());
    showHint(*window, at + QPoint(5, -12), std::move(keepClear));
}

void FrmMech1::markRow(int row)
{
    if (!answering() || !m_example.tableActive() || row < 1 || row > m_tablePanel->rows())
        return;
    PlayClickSound(m_services);
    m_tablePanel->highlight(row);
    m_markedRow = row;
}

void FrmMech1::typeAnswer(const CalcAnswer& answer)
{
    for (std::size_t i = 0; i < 6; ++i)
        if (!TVstup[i]->isHidden() && !TVstup[i]->isReadOnly())
            TVstup[i]->setText(answer.boxes[i]);
    for (std::size_t i = 0; i < 2; ++i)
        if (!TCil[i]->isHidden() && !TCil[i]->isReadOnly())
            TCil[i]->setText(answer.finishBoxes[i]);
    if (answer.markedRow > 0)
        markRow(answer.markedRow);
    m_leverPanel->place(answer.lever, answering());
}

void FrmMech1::hoverTable(int row)
{
    if (row < 1 || !answering())
        return;
    if (m_example.tableActive()) {
        EnterHoverItem(m_services, *this, std::uint8_t(kHoverTableRow + row));
        showPointer(this, m_services.resources().handCursor());
    } else {
        showPointer(this, m_services.resources().arrowCursor());
    }
}

bool FrmMech1::filterAnswerKey(QLineEdit* box, QKeyEvent* event, bool timeBox)
{
    const QString typed = event->text();
    const bool backspace = event->key() == Qt::Key_Backspace;
    if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut)) {
        return true;
    }
    if (!backspace && (typed.isEmpty() || !typed.at(0).isPrint()))
        return false; // arrows, Tab, Delete and the like keep their meaning
    if (box->isReadOnly())
        return true;
    const QChar key = backspace ? kBackspace : typed.at(0);
    const BoxSelection selection{box->hasSelectedText() ? box->selectionStart() : box->cursorPosition(),
                                 int(box->selectedText().size())};
    const BoxEdit edit = EditBox(box->text(), box->cursorPosition(), selection, key,
                                 timeBox ? BoxKind::Time : BoxKind::Answer);
    if (edit.text.size() > box->maxLength() || !showsWhole(*box, edit.text))
        return true;
    box->setText(edit.text);
    box->setCursorPosition(edit.caret);
    return true;
}

std::vector<QWidget*> FrmMech1::focusOrder() const
{
    // The lever (its weights are the answer) or the experiment first, the
    // boxes in the legend's order, then the calculator.
    std::vector<QWidget*> order;
    if (m_task == CalcTask::Lever)
        order.push_back(Pic);
    order.push_back(PicStart);
    for (QLineEdit* box : boxesInLegendOrder())
        order.push_back(box);
    const std::vector<QWidget*> calculator = m_calculator->focusOrder();
    order.insert(order.end(), calculator.begin(), calculator.end());
    return order;
}

bool FrmMech1::cancelStep()
{
    return m_leverPanel->takeBack();
}

void FrmMech1::stepRow(int step)
{
    const int rows = m_tablePanel->rows();
    if (rows == 0 || !m_example.tableActive())
        return;
    const int from = m_markedRow == 0 ? (step > 0 ? 0 : 1) : m_markedRow;
    markRow((from - 1 + step + rows) % rows + 1);
}

void FrmMech1::startKey()
{
    if (PicStart->isEnabled())
        pressStart(m_services.tickCount());
}

bool FrmMech1::filterEvent(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (watched == Pic && m_leverPanel->filterEvent(event, answering() && !m_running))
        return true;
    auto* box = qobject_cast<QLineEdit*>(watched);
    const bool answerBox = box && std::find(TVstup.begin(), TVstup.end(), box) != TVstup.end();
    const bool timeBox = box && (std::find(TCil.begin(), TCil.end(), box) != TCil.end()
                                 || std::find(TStart.begin(), TStart.end(), box) != TStart.end());
    if (answerBox || timeBox) {
        if (type == QEvent::KeyPress)
            return filterAnswerKey(box, static_cast<QKeyEvent*>(event), timeBox);
        if (type == QEvent::FocusIn)
            m_services.keyboard().selectUs();
        if (type == QEvent::MouseButtonPress && box->isReadOnly()) {
            Pic->setFocus();
            return true;
        }
        return false;
    }
    if (m_calculator->filterEvent(watched, event))
        return true;
    if (const int r = m_tablePanel->rowOf(watched)) {
        if (type == QEvent::MouseButtonPress)
            markRow(r);
        else if (type == QEvent::MouseMove || type == QEvent::Enter)
            hoverTable(r);
    }
    return false;
}

void FrmMech1::leverMoved()
{
    // The weights hang on the level lever: a lever tipped by the experiment comes back.
    if (!m_running)
        showFrame(0);
    // A hanging weight keeps the experiment from starting until it is taken off.
    if (answering() && !m_running) {
        PicStart->setEnabled(!m_leverPanel->board().weightHung());
        setStartPicture(m_leverPanel->board().weightHung() ? StartPicture::Disabled : StartPicture::Play);
    }
}

} // namespace orbeta
