// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "heard/model_check.h"

#include <QFrame>

#include <optional>

class QComboBox;
class QLabel;

// The history window's "モデル検証": for a chosen band, how often the Es
// map was right about the contacts of the shown span, beside persistence.
class ModelCheckPanel : public QFrame {
    Q_OBJECT
public:
    explicit ModelCheckPanel(QWidget* parent = nullptr);

    // 28, 50 (the default) or 144.
    int bandMHz() const;
    // Shows `check`; nothing means there is no home to check from.
    void showCheck(const std::optional<ModelCheck>& check);

    QComboBox* bandBox = nullptr;
    QLabel* table = nullptr;

signals:
    void bandChanged();
};
