#include "gui/program/CProgramBar.h"

#include "core/units/UnitPrograms.h"
#include "core/units/presets/FactoryPrograms.h"
#include "gui/app/CEditorApp.h"
#include "gui/dialogs/Dialogs.h"
#include "gui/doc/CSystemDoc.h"
#include "gui/edit/CSystemEditor.h"
#include "gui/online/COnlineController.h"
#include "gui/program/CProgramNameDlg.h"
#include "gui/program/CProgramSendJob.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace kelo::gui {

const QColor CProgramBar::kFactoryColour(0xF5, 0x00, 0x00);
const QColor CProgramBar::kUsedColour(0x00, 0xF5, 0x00);
const QColor CProgramBar::kEmptyColour(0x80, 0x80, 0x80);
const QColor CProgramBar::kCurrentColour(0x00, 0x00, 0xC0);

namespace {

// Large enough to hit with a trackpad on a flight case.
constexpr int kButtonSize = 40;

QString nameText(const ProgramName& name) {
    return QString::fromStdString(programNameText(name));
}

// The program at a location and whether a user location holds one.
struct LocationContent {
    bool used = true;
    ProgramName name{};
};

LocationContent contentAt(const Unit& unit, Family family, const ProgramLocation& location) {
    if (location.factory) {
        if (unit.isAmp()) {
            return {true, ampFactoryProgram().name};
        }
        return {true, FactoryPrograms::shared().program(family, location.index).name};
    }
    return unit.visit([&](const auto& record) {
        const auto& program = record.programs[location.index];
        return LocationContent{program.used != 0, program.name};
    });
}

void paintButton(QPushButton* button, const QColor& colour) {
    const QColor text = colour.lightness() > 140 ? Qt::black : Qt::white;
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: %2; font-weight: bold; "
                                         "border: 1px solid #202020; border-radius: 3px; }"
                                         "QPushButton:pressed { border: 2px solid #000000; }"
                                         "QPushButton:disabled { color: #c0c0c0; }")
                              .arg(colour.name(), text.name()));
}

} // namespace

CProgramBar::CProgramBar(CSystemDoc* document, std::uint32_t unitKey, QWidget* parent)
    : QWidget(parent), m_document(document), m_unitKey(unitKey), m_locations(document->family()),
      m_scroll(new QScrollBar(Qt::Horizontal, this)), m_preset(new QLineEdit(this)),
      m_store(new QPushButton(tr("Store"), this)), m_recall(new QPushButton(tr("Recall"), this)) {
    setObjectName(QStringLiteral("programBar"));
    auto* row = new QHBoxLayout;
    row->setSpacing(3);
    for (int k = 0; k < static_cast<int>(ProgramLocations::kVisible); ++k) {
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("locationButton%1").arg(k + 1));
        button->setFixedSize(kButtonSize, kButtonSize);
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QPushButton::clicked, this, [this, k] { pressLocation(k); });
        m_buttons[static_cast<std::size_t>(k)] = button;
        row->addWidget(button);
    }
    m_scroll->setObjectName(QStringLiteral("programScrollBar"));
    m_scroll->setRange(0, static_cast<int>(m_locations.lastFirst()));
    m_scroll->setPageStep(static_cast<int>(ProgramLocations::kVisible));
    m_scroll->setMinimumHeight(18);
    connect(m_scroll, &QScrollBar::valueChanged, this,
            [this](int value) { setFirstVisible(static_cast<std::uint32_t>(value)); });

    m_preset->setObjectName(QStringLiteral("presetLineEdit"));
    m_preset->setReadOnly(true);
    m_preset->setMinimumWidth(140);
    m_preset->setToolTip(tr("Name of the current program"));
    auto* presetLabel = new QLabel(QStringLiteral("Preset :"), this);
    presetLabel->setBuddy(m_preset);

    for (QPushButton* arm : {m_store, m_recall}) {
        arm->setCheckable(true);
        arm->setMinimumSize(84, kButtonSize);
    }
    m_store->setObjectName(QStringLiteral("storeButton"));
    m_recall->setObjectName(QStringLiteral("recallButton"));
    m_store->setToolTip(tr("Store: the next location pressed receives the current settings"));
    m_recall->setToolTip(tr("Recall: the next location pressed is loaded into the current settings"));
    connect(m_store, &QPushButton::toggled, this, &CProgramBar::armStore);
    connect(m_recall, &QPushButton::toggled, this, &CProgramBar::armRecall);

    auto* locations = new QVBoxLayout;
    locations->setSpacing(2);
    locations->addLayout(row);
    locations->addWidget(m_scroll);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addLayout(locations);
    layout->addSpacing(12);
    layout->addWidget(presetLabel);
    layout->addWidget(m_preset, 1);
    layout->addSpacing(12);
    layout->addWidget(m_store);
    layout->addWidget(m_recall);

    // Open on the current program.
    if (const Unit* current = unit()) {
        if (const auto location = m_locations.locationOfProgram(current->currentProgram())) {
            const std::uint32_t half = ProgramLocations::kVisible / 2;
            m_first = std::min(*location > half ? *location - half : 0, m_locations.lastFirst());
        }
    }
    m_scroll->setValue(static_cast<int>(m_first));
    // The lock level is changed in the Options sheet; the bar follows when focus comes back from it.
    connect(qApp, &QApplication::focusChanged, this,
            [this] { setEnabled(unit() != nullptr && !totalLock() && !m_job); });
    connect(&document->editor(), &CSystemEditor::unitReplaced, this, [this](std::uint32_t key) {
        if (key == m_unitKey) {
            refresh();
        }
    });
    refresh();
}

CProgramBar::~CProgramBar() = default;

void CProgramBar::setFirstVisible(std::uint32_t first) {
    first = std::min(first, m_locations.lastFirst());
    if (first == m_first) {
        return;
    }
    m_first = first;
    m_scroll->setValue(static_cast<int>(first));
    refresh();
}

bool CProgramBar::isSending() const {
    return m_job && m_job->isRunning();
}

Unit* CProgramBar::unit() const {
    return m_document->system().FindUnit(m_unitKey);
}

bool CProgramBar::totalLock() const {
    const CEditorApp* app = CEditorApp::instance();
    return app != nullptr && app->settings().lockLevel() == LockLevel::TotalLock;
}

bool CProgramBar::linkOn() const {
    const CEditorApp* app = CEditorApp::instance();
    return app != nullptr && app->settings().link != 0;
}

void CProgramBar::refresh() {
    const Unit* current = unit();
    setEnabled(current != nullptr && !totalLock() && !m_job);
    if (current == nullptr) {
        return;
    }
    const Family family = m_document->family();
    const std::optional<std::uint32_t> currentLocation =
        m_locations.locationOfProgram(current->currentProgram());
    for (std::uint32_t k = 0; k < ProgramLocations::kVisible; ++k) {
        QPushButton* button = m_buttons[k];
        const std::uint32_t location = m_first + k;
        if (location >= m_locations.count()) {
            button->hide();
            continue;
        }
        button->show();
        const ProgramLocation at = m_locations.at(location);
        const LocationContent content = contentAt(*current, family, at);
        QColor colour = at.factory ? kFactoryColour : (content.used ? kUsedColour : kEmptyColour);
        if (currentLocation == location) {
            colour = kCurrentColour;
        }
        m_colours[k] = colour;
        button->setText(QString::number(at.index + 1));
        paintButton(button, colour);
        const QString kind =
            at.factory ? tr("Factory program %1").arg(at.index + 1) : tr("User program %1").arg(at.index + 1);
        button->setToolTip(content.used ? kind + QStringLiteral(": ") + nameText(content.name)
                                        : kind + tr(": empty"));
    }
    const ProgramName& liveName =
        current->visit([](const auto& record) -> const ProgramName& { return record.live.name; });
    m_preset->setText(nameText(liveName));
}

void CProgramBar::armStore(bool on) {
    if (on) {
        m_recall->setChecked(false);
    }
}

void CProgramBar::armRecall(bool on) {
    if (on) {
        m_store->setChecked(false);
    }
}

void CProgramBar::pressLocation(int k) {
    if (k < 0 || k >= static_cast<int>(ProgramLocations::kVisible) || m_job || totalLock() ||
        unit() == nullptr) {
        return;
    }
    const std::uint32_t location = m_first + static_cast<std::uint32_t>(k);
    if (location >= m_locations.count()) {
        return;
    }
    const ProgramLocation at = m_locations.at(location);
    if (m_store->isChecked()) {
        if (!at.factory) {
            storeInto(at.index);
        }
        return;
    }
    if (m_recall->isChecked()) {
        recallFrom(at);
    }
}

void CProgramBar::storeInto(std::uint32_t slot) {
    const LocationContent present = contentAt(*unit(), m_document->family(), {false, slot});
    CProgramNameDlg dialog(CProgramNameDlg::titleFor(slot, present.used),
                           present.used ? QStringLiteral("Warning! Overwrite Program?") : QString(),
                           present.used ? nameText(present.name) : QString(), this);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    m_store->setChecked(false);
    if (!accepted || unit() == nullptr) {
        return;
    }
    ProgramRequest request;
    request.action = ProgramRequest::Action::Store;
    request.index = slot;
    request.link = linkOn();
    request.name = dialog.programName();
    run(request, QStringLiteral("Storing Program to ID %1"));
}

void CProgramBar::recallFrom(const ProgramLocation& location) {
    const Family family = m_document->family();
    if (ProgramBreaksGanging(*unit(), family, ProgramLocations::gangingTestProgram(location),
                             FactoryPrograms::shared())) {
        Dialogs::inform(this,
                        QString::fromUtf8(kMonoWithGangingMessage.data(),
                                          static_cast<qsizetype>(kMonoWithGangingMessage.size())),
                        MessageIcon::Exclamation);
        return;
    }
    m_recall->setChecked(false);
    if (!contentAt(*unit(), family, location).used) {
        return;
    }
    ProgramRequest request;
    request.action =
        location.factory ? ProgramRequest::Action::RecallFactory : ProgramRequest::Action::RecallUser;
    request.index = location.index;
    request.link = linkOn();
    run(request, QStringLiteral("Recalling Program to ID %1"));
}

void CProgramBar::run(const ProgramRequest& request, const QString& labelFormat) {
    std::optional<ProgramPlan> plan =
        ProgramSequence::prepare(m_document->system(), *unit(), request, FactoryPrograms::shared());
    if (!plan) {
        return;
    }
    announce(plan->changedUnits);
    CEditorApp* app = CEditorApp::instance();
    // Off line nothing is sent, so there is nothing to wait for.
    if (!m_document->isOnLine() || app == nullptr || app->online() == nullptr) {
        emit programDone();
        return;
    }
    m_job = new CProgramSendJob(app->online()->engine(), FactoryPrograms::shared(), std::move(*plan),
                                labelFormat, window(), this);
    connect(m_job, &CProgramSendJob::finished, this, [this] {
        m_job->deleteLater();
        m_job = nullptr;
        refresh();
        emit programDone();
    });
    setEnabled(false);
    m_job->start();
}

void CProgramBar::announce(const std::vector<std::uint32_t>& unitKeys) {
    // The programs and settings of these units changed as a whole: their undo history no longer
    // applies, and every window showing them redraws (pages, routing picture, caption, this bar).
    m_document->setModified(true);
    for (const std::uint32_t key : unitKeys) {
        m_document->editor().unitChangedOutside(key);
        m_document->refreshUnitWindow(key);
    }
    refresh();
    emit unitsChanged(unitKeys);
}

} // namespace kelo::gui
