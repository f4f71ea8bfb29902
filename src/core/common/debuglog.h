#pragma once

#include <QDebug>

// Debug-log line carrying the source position: TQ_LOG << "text" << value;
#define TQ_LOG qDebug().noquote() << __FILE__ << __LINE__ << Q_FUNC_INFO
