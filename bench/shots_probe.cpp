#include "analysis/SumsGraphWindow.h"
#include "analysis/TotalsGraphWindow.h"
#include "analysis/SetsGraphWindow.h"
#include "reports/DrawListWindow.h"
#include "reports/SearchWindow.h"
#include "engine/FileIo.h"
#include "engine/Rebuild.h"
#include "platform/Session.h"
#include "platform/Dialogs.h"
#include "platform/StatusBarSink.h"
#include <QApplication>
#include <QDir>
#include <QTest>
template <typename W> void shot(const char* name) { W w; w.show(); w.activateWindow(); bool ok = QTest::qWaitForWindowActive(&w); if (!ok) fprintf(stderr, "%s not active\n", name); QTest::qWait(100); w.grab().save(QString("/tmp/shots/speed/%1-%2.png").arg(name).arg(qgetenv("QT_FONT_DPI").isEmpty() ? "96" : qgetenv("QT_FONT_DPI"))); }
int main(int argc, char** argv){
  qputenv("HOME", "/tmp/speed-home"); qputenv("XDG_CONFIG_HOME", "/tmp/speed-home/.config");
  QApplication app(argc, argv);
  Dialogs::setTestMode(true);
  QDir().mkpath("/tmp/speed-home/quor3box");
  QFile::remove("/tmp/speed-home/.config/quor3.ini");
  int n = argc > 1 ? atoi(argv[1]) : 731;
  std::vector<quor3::DrawRecord> rs; for (int i=0;i<n;++i){ quor3::DrawRecord r; r.DrawDate=45000-n+i; r.Digit1=(i*7+3)%10; r.Digit2=(i*3+1)%10; r.Digit3=(i*i+5)%10; rs.push_back(r);} 
  quor3::writeWholeFile("/tmp/speed-home/quor3box/p.c3d", quor3::encodeDraws(rs));
  Session& s = Session::instance(); s.folder="/tmp/speed-home/quor3box"; s.databaseName="p.c3d";
  StatusBarSink sink; quor3::openDatabase(s.folder, s.databaseName, sink);
  std::string suffix = std::to_string(n);
  shot<TotalsGraphWindow>(("totals" + suffix).c_str());
  shot<SumsGraphWindow>(("sums" + suffix).c_str());
  shot<SetsGraphWindow>(("sets" + suffix).c_str());
  shot<DrawListWindow>(("display" + suffix).c_str());
}
