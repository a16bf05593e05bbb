// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/desktop_notifications.h"

#include <vector>

// Keeps the notices instead of showing them.
class RecordingSink : public NoticeSink {
public:
    std::vector<EsNotice> shown;
    void show(const EsNotice& notice) override { shown.push_back(notice); }
};
