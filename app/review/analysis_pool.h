#pragma once

class QThreadPool;

namespace corvane {

// The worker threads of the review, the rating of finished games and their replays. Not Qt's
// global pool: the raster paint engine fills large areas on that one, so analysis there would
// hold up every paint of the window until it was done.
QThreadPool& AnalysisPool();

}  // namespace corvane
