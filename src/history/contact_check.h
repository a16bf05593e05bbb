// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "heard/model_check.h"
#include "history/page_record.h"

#include <optional>
#include <vector>

class ContactLog;

// The model check over the contacts made from `since` to `until` on
// `bandMHz` and what the history log says was heard then (`logged`), the
// slots judged by `pages` (the history log's pages from half an hour before
// `since` on). Home is `homeLocator`, else the first such contact's
// MY_GRIDSQUARE; nothing without one.
std::optional<ModelCheck> checkContacts(const ContactLog& contacts, std::vector<Activity> logged,
                                        const std::vector<PageRecord>& pages, int bandMHz,
                                        const QString& homeLocator, const QDateTime& since,
                                        const QDateTime& until);
