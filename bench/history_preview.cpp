// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/contact_log.h"
#include "history/history_log.h"
#include "history_sample.h"
#include "history_ui/history_window.h"
#include "history_ui/model_check_panel.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>

// Shows the history window on made-up data, for screenshots:
//   history_preview [DAYS [SPAN_INDEX [VIEW_INDEX [LOG.adi]]]]   (defaults 7, 2 = 7 d, 0 = Es)
// With a log, its contacts and the model check from PM95vq.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const int days = args.value(0, QStringLiteral("7")).toInt();
    QTemporaryDir dir;
    HistoryLog log(dir.filePath(QStringLiteral("history.sqlite")));
    if (days < 1 || !log.open()) {
        std::fprintf(stderr, "history_preview: cannot make the sample log\n");
        return 2;
    }
    const QDateTime end = QDateTime::currentDateTimeUtc();
    fillSampleHistory(log, days, end);
    HistoryWindow window([&log] { return &log; });
    window.nowUtc = [end] { return end; };
    window.setSpan(kChartSpans[std::clamp(args.value(1, QStringLiteral("2")).toInt(), 0, 3)]);
    window.setView(args.value(2) == u"1" ? ChartView::FmaxFmin : ChartView::Es);
    ContactLog contacts(args.size() > 3 ? QStringList{args[3]} : QStringList());
    if (args.size() > 3) {
        window.showContacts(&contacts, [] { return QStringLiteral("PM95vq"); });
        window.checkButton->setChecked(true);
    }
    window.reload();
    window.move(0, 0);
    window.show();
    return QApplication::exec();
}
