#include "analysis_pool.h"

#include <QThread>
#include <QThreadPool>

namespace corvane {

QThreadPool& AnalysisPool() {
    static QThreadPool* pool = [] {
        auto* p = new QThreadPool;
        p->setMaxThreadCount(QThread::idealThreadCount());
        return p;
    }();
    return *pool;
}

}  // namespace corvane
