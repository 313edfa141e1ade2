# The demo's walk through the wizard where there is no display to watch it on: the robot leads
# it through a whole installation of the sample pack into the demo QIP 2005 (two skins) and
# then, installing again, into the demo QIP Infium; a picture of every page and box it passes
# goes to DEMO_PICTURES. Sourced by tools/demo.sh after tests/e2e/lib.sh, with the wizard
# running (VELMORA_PID) and E2E_CASE_DIR, E2E_ROBOT and E2E_CASE_SHELL set.

DEMO_SHOTS=0

demo_shot() {  # demo_shot NAME
    DEMO_SHOTS=$((DEMO_SHOTS + 1))
    import -display "$DISPLAY" -window root "$(printf '%s/%02d-%s.png' "$DEMO_PICTURES" "$DEMO_SHOTS" "$1")"
}

demo_caption() { robot_try --timeout 0 text "$PAGE_CAPTION"; }

# Next, and a wait until another page shows.
demo_next() {  # demo_next PICTURE-NAME
    local before deadline=$((SECONDS + E2E_WAIT))
    before=$(demo_caption)
    robot click "$NEXT_BUTTON"
    while [[ $(demo_caption) == "$before" ]]; do
        ((SECONDS < deadline)) || fail "Next on the page '$before' led nowhere within $E2E_WAIT s"
        sleep 0.1
    done
    demo_shot "$1"
}

# The language of the demo's locale: English on an English Windows, Russian otherwise.
demo_choose_language() {
    local want=Russian index=0 line
    [[ $LC_ALL == en_* ]] && want=English
    while IFS= read -r line; do
        [[ $line == "$want"* ]] && break
        index=$((index + 1))
    done < <(robot list "$LANGUAGE_LIST")
    robot select "$LANGUAGE_LIST" "$index"
}

# On the copy-choice list, the running messenger whose program file has this name.
demo_pick_copy() {  # demo_pick_copy qip.exe|infium.exe
    local index=0 line
    while IFS= read -r line; do
        [[ ${line,,} == *"\\$1" ]] && break
        index=$((index + 1))
    done < <(robot list "$COPY_LIST")
    robot select "$COPY_LIST" "$index"
    wait_until yes enabled "$NEXT_BUTTON"
}

# The boxes after an installation: each pictured, its title and last line written to
# DEMO_REPORT, and answered. The question whether to install again is answered AGAIN, and
# after a Yes the walk goes on; older versions are removed; LOG.txt and a restart are declined.
demo_answer_boxes() {  # demo_answer_boxes yes|no
    local box text answer asked_again deadline=$((SECONDS + E2E_WAIT))
    while kill -0 "$VELMORA_PID" 2>/dev/null; do
        if ! box=$(robot_try --timeout 1000 box); then
            ((SECONDS < deadline)) || fail "the wizard showed no box for $E2E_WAIT s"
            continue
        fi
        demo_shot box
        text=$(field text "$box")
        echo "$(field title "$box") $(sed 's/\\r\\n/\n/g' <<<"$text" | sed 's/^ *//; s/ *$//' |
            grep -v '^$' | tail -n 1)" >>"$DEMO_REPORT"
        answer=yes asked_again=no
        case $text in
        *"другой пейджер"* | *"another messenger"*) answer=$1 asked_again=yes ;;
        *LOG* | *"ерезагрузку"* | *"Restart now"*) answer=no ;;
        esac
        [[ $(field buttons "$box") == ok ]] && answer=ok
        robot answer "$answer"
        [[ $asked_again == yes && $answer == yes ]] && return 0
        deadline=$((SECONDS + E2E_WAIT))
    done
}

# From the search-method page: the simplified search, the copy-choice list, the copy picked.
demo_find_messenger() {  # demo_find_messenger qip.exe|infium.exe
    demo_next simplified-search
    demo_next copy-choice
    demo_pick_copy "$1"
}

demo_walk() {
    robot wait-window myWindow '*' >/dev/null
    demo_shot language
    demo_choose_language
    demo_next about-program
    demo_next about-pack
    if [[ $(robot visible "$AGREEMENT_BOX") == yes ]]; then
        robot click "$AGREEMENT_BOX"
        wait_until yes checked "$AGREEMENT_BOX"
        demo_shot agreement
    fi
    demo_next pack-information
    demo_next search-method

    demo_find_messenger qip.exe
    demo_next install-mode
    robot click 1044
    wait_until yes checked 1044
    demo_next skins
    robot select "$SKINS_LIST" 0
    robot select "$SKINS_LIST" 1
    demo_shot skins-marked
    robot click "$NEXT_BUTTON"
    demo_answer_boxes yes

    wait_until yes visible 1040  # the search-method page again
    demo_shot search-method-again
    demo_find_messenger infium.exe
    robot click "$NEXT_BUTTON"
    demo_answer_boxes no
    wait_velmora_exit
}
