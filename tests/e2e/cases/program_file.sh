# What the program file carries, and what it reads from the messenger's file: the manifest
# (read from the built program, since Wine neither elevates nor needs the entries of the
# Windows versions) and the version resource of a crafted qip.exe, read by the program's own
# reader (tests/windows/version_text_test.cpp).

# The manifest as the program file holds it.
program_manifest() {
    tr -d '\r' <"$E2E_BUILD_DIR/Velmora.exe" | sed -n '/<assembly /,/<\/assembly>/p'
}

# Windows 8.1 and later tell their version only to a program that names them: without the
# entries GetVersionExW answers 6.2.9200, and LOG.txt would say Windows 8. An administrator's
# double-click asks for elevation once, so that the smiles reach a messenger under Program Files
# and the quota reaches the registry; a standard user runs as before.
test_manifest() {
    local manifest id
    manifest=$(program_manifest)
    for id in e2011457-1546-43c5-a5fe-008deee3d3f0 35138b9a-5d96-4fbd-8e2d-a2440225f93a \
        4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38 1f676c76-80e1-4239-95bb-83d0f6d0da78 \
        8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a; do
        expect_contains "$manifest" "<supportedOS Id=\"{$id}\"/>" "manifest"
    done
    expect_contains "$manifest" \
        '<requestedExecutionLevel level="highestAvailable" uiAccess="false"/>' "manifest"
}

test_crafted_version_resources() {
    wine "$E2E_BUILD_DIR/tests/windows/version_text_test.exe" >out.txt 2>>wine.log
    local status=$?
    expect_eq "0|version text: 7 passed, 0 failed" "$status|$(tr -d '\r' <out.txt | tail -n 1)" \
        "the crafted resources ($(tr -d '\r' <out.txt | grep -v PASS | head -n 1))"
}

e2e_case "program file: the manifest names Windows Vista to 11 and asks for the highest rights" test_manifest
e2e_case "program file: crafted version resources are read within their block" test_crafted_version_resources
