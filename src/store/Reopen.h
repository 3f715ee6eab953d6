#pragma once

#include <QDateTime>
#include <QString>
#include <initializer_list>

#include "Statement.h"

namespace store {

class Connection;
class Dataset;

struct Reload {
    Dataset* dataset;
    Statement statement;
};

// The reopen cycle: close the connection and the listed datasets, point the
// connection at data.mdb in the working directory of this moment, set each
// dataset's statement and open them again. A row being edited is discarded.
// Datasets not listed keep their statements and stay as they are.
void reopen(Connection& connection, std::initializer_list<Reload> datasets);

// The report holders' connect: like reopen(), but the dataset keeps its
// statement.
void reconnect(Connection& connection, Dataset& dataset);

// A date and time as a text column stores it: "yyyy/M/d H:mm:ss", the time
// left out at exactly midnight. Fixed, whatever the machine's locale.
QString dateTimeText(const QDateTime& value);

}  // namespace store
