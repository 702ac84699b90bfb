#include "gui/panels/CEqBandRow.h"

#include "core/scales/FrequencyScale.h"
#include "core/scales/NameList.h"
#include "core/scales/RuleScale.h"
#include "gui/controls/GraphStyle.h"
#include "gui/panels/CSpinEdit.h"
#include "gui/panels/EqTypeList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

#include <array>

namespace kelo::gui {

namespace {

// Column widths shared by the rows and their header so that a page of rows reads like a table.
constexpr std::array<int, 6> kColumnWidths{34, 96, 88, 92, 96, 52};

void fix(QWidget* widget, int column) {
    widget->setFixedWidth(kColumnWidths[static_cast<std::size_t>(column)]);
}

} // namespace

CEqBandRow::CEqBandRow(int bandPosition, QWidget* parent)
    : CBlockPanel(parent), m_bandPosition(bandPosition) {
    m_number = new QLabel(QString::number(bandPosition), this);
    m_number->setAlignment(Qt::AlignCenter);
    m_number->setAutoFillBackground(true);
    QPalette colours = m_number->palette();
    colours.setColor(QPalette::Window, bandColour(bandPosition));
    colours.setColor(QPalette::WindowText, Qt::black);
    m_number->setPalette(colours);
    m_number->setToolTip(tr("EQ band %1; its colour matches its square on the graph").arg(bandPosition));

    m_frequency = new CSpinEdit(spinScale(FrequencyScale), tr("Frequency"), this);
    m_gain = new CSpinEdit(spinScale(EqGainScale), tr("Gain"), this);
    m_bandwidth = new CSpinEdit(spinScale(EqBandwidthScale), tr("Bandwidth"), this);
    m_frequency->setObjectName(QStringLiteral("frequencySpinEdit"));
    m_gain->setObjectName(QStringLiteral("gainSpinEdit"));
    m_bandwidth->setObjectName(QStringLiteral("bandwidthSpinEdit"));
    m_type = new QComboBox(this);
    m_type->setObjectName(QStringLiteral("typeComboBox"));
    for (int position = 0; position < kEqTypeListSize; ++position) {
        m_type->addItem(QString::fromStdString(EqTypeNames.clampedName(eqTypeFromListPosition(position))));
    }
    m_type->setPlaceholderText(QStringLiteral("-Not Av.-"));
    m_type->setToolTip(tr("Band type"));
    m_flat = new QCheckBox(tr("Flat"), this);
    m_flat->setObjectName(QStringLiteral("flatCheckBox"));
    m_flat->setToolTip(tr("Flat: switches the band off and keeps its settings"));

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    const std::array<QWidget*, 6> columns{m_number, m_frequency, m_gain, m_bandwidth, m_type, m_flat};
    for (std::size_t column = 0; column < columns.size(); ++column) {
        fix(columns[column], static_cast<int>(column));
        row->addWidget(columns[column]);
    }
    row->addStretch();

    connect(m_frequency, &CSpinEdit::indexEdited, this, [this](int index) {
        write(Frequency, index);
        emit changed();
    });
    connect(m_gain, &CSpinEdit::indexEdited, this, [this](int index) {
        write(Gain, index);
        emit changed();
    });
    connect(m_bandwidth, &CSpinEdit::indexEdited, this, [this](int index) {
        write(Bandwidth, index);
        emit changed();
    });
    connect(m_type, &QComboBox::activated, this, [this](int position) {
        const int type = eqTypeFromListPosition(position);
        if (type < 0) {
            return;
        }
        write(Type, type);
        applyEnabling(type);
        emit changed();
    });
    connect(m_flat, &QCheckBox::clicked, this, [this](bool checked) {
        write(Flat, checked ? 1 : 0);
        emit changed();
    });
    refresh();
}

QWidget* CEqBandRow::createHeader(QWidget* parent) {
    auto* header = new QWidget(parent);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    const std::array<QString, 6> captions{tr("EQ"),   tr("Freq"), tr("Gain"),
                                          tr("Band"), tr("Type"), QString()};
    for (std::size_t column = 0; column < captions.size(); ++column) {
        auto* label = new QLabel(captions[column], header);
        label->setAlignment(Qt::AlignCenter);
        fix(label, static_cast<int>(column));
        row->addWidget(label);
    }
    row->addStretch();
    return header;
}

void CEqBandRow::setHighlighted(bool highlighted) {
    m_highlighted = highlighted;
    m_frequency->setHighlighted(highlighted);
    m_gain->setHighlighted(highlighted);
}

void CEqBandRow::setBorrowed(bool borrowed) {
    m_borrowed = borrowed;
    refresh();
}

void CEqBandRow::refresh() {
    const int type = read(Type);
    m_frequency->setIndex(read(Frequency));
    m_gain->setIndex(read(Gain));
    m_bandwidth->setIndex(read(Bandwidth));
    const int position = m_borrowed ? -1 : eqListPositionFromType(type);
    m_type->setCurrentIndex(position);
    m_flat->setChecked(read(Flat) != 0);
    applyEnabling(type);
}

void CEqBandRow::applyEnabling(int type) {
    const bool locked = m_borrowed || eqListPositionFromType(type) < 0;
    const bool shelving = type == 0 || type == 1 || type == 3 || type == 4;
    m_frequency->setEnabled(!locked);
    m_gain->setEnabled(!locked && type != 9);
    m_bandwidth->setEnabled(!locked && !shelving);
    m_type->setEnabled(!locked);
    m_flat->setEnabled(!locked);
}

} // namespace kelo::gui
