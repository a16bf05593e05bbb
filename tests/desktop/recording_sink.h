// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/desktop_notifications.h"

#include <vector>

// Keeps the notices instead of showing them; each reached the user unless
// `reaches` is false.
class RecordingSink : public NoticeSink {
public:
    std::vector<EsNotice> shown;
    bool reaches = true;
    void show(const EsNotice& notice, Delivered delivered) override
    {
        shown.push_back(notice);
        delivered(reaches);
    }
};
