# What the program reads from the messenger's file: the version resource of a crafted qip.exe,
# read by the program's own reader (tests/windows/version_text_test.cpp).

test_crafted_version_resources() {
    wine "$E2E_BUILD_DIR/tests/windows/version_text_test.exe" >out.txt 2>>wine.log
    local status=$?
    expect_eq "0|version text: 7 passed, 0 failed" "$status|$(tr -d '\r' <out.txt | tail -n 1)" \
        "the crafted resources ($(tr -d '\r' <out.txt | grep -v PASS | head -n 1))"
}

e2e_case "program file: crafted version resources are read within their block" test_crafted_version_resources
