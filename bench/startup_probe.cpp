#include "app/MainWindow.h"
#include "app/DesktopIdentity.h"
#include "platform/DataFolder.h"
#include "platform/KeyboardRules.h"
#include "app/FirstFrame.h"
#include <QApplication>
#include <cstdio>
#include <time.h>
#include <QMap>
struct PaintCount : QObject { QMap<QString,int> n; bool eventFilter(QObject* o, QEvent* e) override { if (e->type()==QEvent::Paint) n[o->objectName()+"/"+o->metaObject()->className()]++; return false; } } paints;
static double cpu();
static double cpu0(){ timespec t; clock_gettime(CLOCK_PROCESS_CPUTIME_ID,&t); return t.tv_sec*1e3+t.tv_nsec/1e6;}
static double cpu(){ return cpu0(); }
int main(int argc, char** argv){
  double t0=cpu();
  struct App: QApplication { using QApplication::QApplication; int depth=0; QMap<QString,double> spent; bool notify(QObject*o,QEvent*e) override { if (e->type()!=QEvent::Paint && e->type()!=QEvent::UpdateRequest && e->type()!=QEvent::Expose && e->type()!=QEvent::Polish && e->type()!=QEvent::LayoutRequest) return QApplication::notify(o,e); double a=cpu(); bool r=QApplication::notify(o,e); spent[QString::number(e->type())+" "+o->objectName()+"/"+o->metaObject()->className()]+=cpu()-a; return r; } } app(argc, argv);
  double t1=cpu(); app.installEventFilter(&paints);
  if (!getenv("NOICON")) setUpDesktopIdentity();
  double t2=cpu();
  installEnterKeyRule(); ensureDataFolder();
  double t3=cpu();
  MainWindow w;
  double t4=cpu();
  w.showMaximized();
  double t5=cpu();
  quitAfterFirstFrame(w);
  app.exec();
  double t6=cpu();
  for (auto it=app.spent.begin(); it!=app.spent.end(); ++it) if (it.value()>0.05) std::printf("  %s %.2f\n", qPrintable(it.key()), it.value());
  for (auto it=paints.n.begin(); it!=paints.n.end(); ++it) std::printf("%s:%d ", qPrintable(it.key()), it.value()); std::printf("\n");
  std::printf("app %.2f identity %.2f rules %.2f ctor %.2f show %.2f loop %.2f total %.2f\n", t1-t0,t2-t1,t3-t2,t4-t3,t5-t4,t6-t5,t6);
}
