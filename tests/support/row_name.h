// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>
#include <string>

// Names each row of a parameterized GoogleTest by the row's own `name`, so that a failure says
// which row: INSTANTIATE_TEST_SUITE_P(Rows, Test, testing::Values(...), RowName()).
struct RowName {
    template <typename Row> std::string operator()(const testing::TestParamInfo<Row>& row) const {
        return std::string(row.param.name);
    }
};
