#pragma once

#include <memory>

class Record;
class RecordDialog;

// The edit dialog made for the record's class; it edits the record in place.
std::unique_ptr<RecordDialog> createRecordDialog(Record &record);
