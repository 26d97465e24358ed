#include "ui/main/predefinedpanel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/main/predefined.h"

PredefinedPanel::PredefinedPanel(QWidget* parent) : QWidget(parent) {
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);

    m_predefined = new QCheckBox(tr("&Předdefinované profily"), this);
    m_predefined->setObjectName(QStringLiteral("CheckBox1"));
    v->addWidget(m_predefined);

    auto* level = new QGroupBox(tr("Volám:"), this);
    level->setObjectName(QStringLiteral("GroupBox1"));
    level->setToolTip(tr("Vyberte jak často voláte"));
    auto* lv = new QVBoxLayout(level);
    const QString levels[] = {tr("Málo"), tr("Středně"), tr("Hodně")};
    for (int i = 0; i < 3; ++i) {
        m_levels[i] = new QRadioButton(levels[i], level);
        m_levels[i]->setObjectName(QStringLiteral("malo%1").arg(i + 1));
        lv->addWidget(m_levels[i]);
        connect(m_levels[i], &QRadioButton::clicked, this, &PredefinedPanel::selectorClicked);
    }
    m_levels[0]->setChecked(true);

    // Checks of one group, named `name`1..4.
    auto group = [this](QGroupBox* box, const QString (&texts)[4], const char* name, std::array<QCheckBox*, 4>& into) {
        auto* layout = new QVBoxLayout(box);
        for (int i = 0; i < 4; ++i) {
            into[i] = new QCheckBox(texts[i], box);
            into[i]->setObjectName(QLatin1String(name) + QString::number(i + 1));
            layout->addWidget(into[i]);
            connect(into[i], &QCheckBox::clicked, this, &PredefinedPanel::selectorClicked);
        }
    };
    auto* networks = new QGroupBox(tr("Převážně volám na:"), this);
    networks->setObjectName(QStringLiteral("GroupBox2"));
    const QString nets[4] = {tr("Pevnou linku"), QStringLiteral("T - Mobile"), QStringLiteral("Eurotel"),
                             QStringLiteral("Oskar")};
    group(networks, nets, "volam", m_networks);
    auto* bands = new QGroupBox(tr("Převážně volám:"), this);
    bands->setObjectName(QStringLiteral("GroupBox3"));
    const QString when[4] = {tr("Ve špičce"), tr("Odpoledne"), tr("Večer"), tr("O víkendu")};
    group(bands, when, "doba", m_bands);

    m_groups = {level, networks, bands};
    for (QGroupBox* g : m_groups) v->addWidget(g);
    v->addStretch(1);
    setSelectorsEnabled(false);
    connect(m_predefined, &QCheckBox::toggled, this, &PredefinedPanel::toggled);
}

bool PredefinedPanel::isOn() const { return m_predefined->isChecked(); }

int PredefinedPanel::level() const {
    if (m_levels[2]->isChecked()) return sazbar::ui::kLevelMany;
    if (m_levels[1]->isChecked()) return sazbar::ui::kLevelMedium;
    return sazbar::ui::kLevelFew;
}

std::array<bool, 4> PredefinedPanel::networks() const {
    std::array<bool, 4> on{};
    for (int i = 0; i < 4; ++i) on[i] = m_networks[i]->isChecked();
    return on;
}

std::array<bool, 4> PredefinedPanel::bands() const {
    std::array<bool, 4> on{};
    for (int i = 0; i < 4; ++i) on[i] = m_bands[i]->isChecked();
    return on;
}

void PredefinedPanel::setSelectorsEnabled(bool on) {
    for (QGroupBox* g : m_groups) g->setEnabled(on);
}
