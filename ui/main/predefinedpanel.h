// "Předdefinované profily" and its three groups of selectors: how much, to
// which networks and when the user mostly calls.
#pragma once

#include <QWidget>
#include <array>

class QCheckBox;
class QGroupBox;
class QRadioButton;

class PredefinedPanel : public QWidget {
    Q_OBJECT

public:
    explicit PredefinedPanel(QWidget* parent = nullptr);

    QCheckBox* checkBox() const { return m_predefined; }  // `CheckBox1`
    bool isOn() const;
    // The level of the ticked "Volám:" button, and which networks and bands are ticked.
    int level() const;
    std::array<bool, 4> networks() const;
    std::array<bool, 4> bands() const;
    // The eleven selectors take clicks only while the profiles are on.
    void setSelectorsEnabled(bool on);

signals:
    void toggled(bool on);
    // One of the eleven selectors was clicked.
    void selectorClicked();

private:
    QCheckBox* m_predefined = nullptr;
    std::array<QRadioButton*, 3> m_levels{};
    std::array<QCheckBox*, 4> m_networks{};
    std::array<QCheckBox*, 4> m_bands{};
    std::array<QGroupBox*, 3> m_groups{};
};
