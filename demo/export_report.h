// The export file in readable form: the entry count, then each record's name
// and fax number.
#pragma once

#include <string>
#include <vector>

#include "testkit/test_host.h"

// bytes: the whole export file of a name-and-fax import.
std::string DescribeExport(const std::string& bytes);

// What one run left behind: the export file (or its absence) and the
// commands the host received from faximport.
std::string DescribeRun(const std::string& exportPath, const std::vector<testkit::ReceivedCommand>& commands,
                        bool hostEnabled);
