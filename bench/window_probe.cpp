#include "analysis/SumsGraphWindow.h"
#include "analysis/TotalsGraphWindow.h"
#include "engine/Rebuild.h"
#include "engine/FileIo.h"
#include "engine/Dates.h"
#include "platform/Session.h"
#include "platform/Dialogs.h"
#include "platform/StatusBarSink.h"
#include <QApplication>
#include <QMap>
#include <QTimer>
#include <QDir>
#include <cstdio>
#include <time.h>
static double cpu(){ timespec t; clock_gettime(CLOCK_THREAD_CPUTIME_ID,&t); return t.tv_sec*1e3+t.tv_nsec/1e6;}
struct App: QApplication { using QApplication::QApplication; int depth=0; QMap<QString,double> spent; bool notify(QObject*o,QEvent*e) override { if(depth++){bool r=QApplication::notify(o,e); --depth; return r;} double a=cpu(); bool r=QApplication::notify(o,e); --depth; spent[QString::number(e->type())+" "+o->objectName()+"/"+o->metaObject()->className()]+=cpu()-a; return r; } };
int main(int argc, char** argv){
  qputenv("HOME", "/tmp/speed-home"); qputenv("XDG_CONFIG_HOME", "/tmp/speed-home/.config");
  App app(argc, argv);
  Dialogs::setTestMode(true);
  QDir().mkpath("/tmp/speed-home/quor3box");
  std::vector<quor3::DrawRecord> rs; for (int i=0;i<731;++i){ quor3::DrawRecord r; r.DrawDate=37257+i; r.Digit1=(i*7+3)%10; r.Digit2=(i*3+1)%10; r.Digit3=(i*i+5)%10; rs.push_back(r);} 
  quor3::writeWholeFile("/tmp/speed-home/quor3box/p.c3d", quor3::encodeDraws(rs));
  Session& s = Session::instance(); s.folder="/tmp/speed-home/quor3box"; s.databaseName="p.c3d";
  for (int k=0;k<4;++k) {
    app.spent.clear();
    QFile::remove("/tmp/speed-home/.config/quor3.ini");
    double t0=cpu();
    bool sums = argc>1;
    QDialog* w = sums ? (QDialog*)new SumsGraphWindow : (QDialog*)new TotalsGraphWindow;
    double t1=cpu();
    QTimer::singleShot(0, [&]{ /* after activation */ });
    w->show(); w->activateWindow();
    double t2=cpu();
    for (int i=0;i<20 && !w->isActiveWindow();++i) app.processEvents();
    app.processEvents(); QCoreApplication::sendPostedEvents(); w->repaint();
    double t3=cpu();
    std::printf("ctor %.2f show %.2f events+paint %.2f total %.2f\n", t1-t0, t2-t1, t3-t2, t3-t0);
    for (auto it=app.spent.begin(); it!=app.spent.end(); ++it) if (it.value()>0.2) std::printf("  %s %.2f\n", qPrintable(it.key()), it.value());
    delete w;
  }
}
