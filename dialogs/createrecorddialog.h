#pragma once

#include <memory>

class QDialog;
class Record;

// The edit dialog made for the record's class; it edits the record in place.
std::unique_ptr<QDialog> createRecordDialog(Record &record);
