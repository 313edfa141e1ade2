# Installing into QIP 2005 (see the qip2005 step: five skins of another pack): only the marked
# skins change, files held open by another program, a run killed mid-copy, and the GDI quota.
# The sample pack's texts are in code page 1251.

REPORT="Отчет о копировании..."
RECORD="Smile\`s_version.txt"

# The sample pack as a "single" pack of N animated smiles alone: its 36 and copies of smile.gif.
step_animated() {  # animated N
    local folder="$(prog_dir)/Source SMP/Animated Single Full Light" i
    step_drop "Animated Lite Dark" "Static Lite Dark" "Static Single Full Light"
    step_smp 4=single 8="$1" 12=anim
    (cd "$folder" && tee $(seq -f 'extra%g.gif' 36 $(($1 - 1))) <smile.gif >/dev/null)
    for ((i = 36; i < $1; i++)); do printf ':extra%d: extra%d.gif\r\n' "$i" "$i"; done >>"$folder/_define.ini"
}

# Kills the program once its copy into FOLDER holds COUNT of the added smiles; the run cut
# short leaves its journal.
step_kill_when() {  # kill-when FOLDER COUNT
    local deadline=$((SECONDS + E2E_WAIT))
    until (($(find "$1" -maxdepth 1 -name 'extra*.gif' | wc -l) >= $2)); do
        ((SECONDS < deadline)) || fail "the copy into $1 did not start"
        sleep 0.05
    done
    kill -KILL $(processes_running "$(prog_dir)/Velmora.exe") || fail "no Velmora.exe to kill"
    wait "$VELMORA_PID" 2>/dev/null
    [[ -s "QIP/Velmora backup/journal.txt" ]] || fail "the killed run left no journal"
}

# The GDI quota under HKLM where Windows reads it: in the 64-bit view of a 64-bit prefix, where
# a 32-bit program has a view of its own, given OWN. The values go when the case ends.
GDI_QUOTA=('HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Windows' /v GDIProcessHandleQuota)
step_quota() {  # quota WINDOWS OWN: sets them | quota VALUE: checks the one Windows reads
    local view=(/reg:32)
    [[ $WINEARCH == win64 ]] && view=(/reg:64)
    if (($# == 1)); then
        expect_eq "$(printf '0x%x' "$1")" "$(wine reg query "${GDI_QUOTA[@]}" "${view[@]}" |
            awk '/GDIProcess/ { print $3 }' | tr -d '\r')" "the quota Windows reads"
        return
    fi
    trap 'for v in /reg:64 /reg:32; do wine reg delete "${GDI_QUOTA[@]}" /f $v; done >/dev/null 2>&1' EXIT
    wine reg add "${GDI_QUOTA[@]}" /t REG_DWORD /d "$1" /f "${view[@]}" >/dev/null && { ! program_under_wow64 ||
        wine reg add "${GDI_QUOTA[@]}" /t REG_DWORD /d "$2" /f /reg:32 >/dev/null; } || fail "cannot set the quota"
}

scenario "QIP 2005: only the marked skins change, each holds the pack alone; read-only is no bar" <<'END'
locale ru_RU.UTF-8
program
qip2005
readonly QIP/Skins/Skin2/Smilies/Animated/smile.gif
start
walk skins-list 1044
mark Skin2 Skin4
click $NEXT_BUTTON
box ok "title=$REPORT" 'text~Скин: Skin2'
box ok "title=$REPORT" 'text~Скин: Skin4'
box no 'text~Хотите установить'
box ok 'text~перезапустить QIP'
exit 0
same QIP/Skins/Skin1 QIP/Skins/Skin3 QIP/Skins/Skin5
installed QIP/Skins/Skin2 full
installed QIP/Skins/Skin4 full
END

scenario "QIP 2005: a smile held open lets the run go on, a record held open ends it; both skins as they were" <<'END'
locale ru_RU.UTF-8
program
qip2005
file "QIP/Skins/Skin4/Smilies/Animated/$RECORD" "old record"
snapshot QIP
start
walk skins-list 1044
mark Skin1 Skin2 Skin4
lock QIP/Skins/Skin1/Smilies/Animated/smile.gif
lock "QIP/Skins/Skin4/Smilies/Animated/$RECORD"
click $NEXT_BUTTON
box no icon-kind=error 'buttons=yes no' 'text~Ошибок при копировании анимированных смайлов: 1'
box ok "title=$REPORT" 'text~Скин: Skin2'
box ok 'text~перезапустить QIP'
box no text~LOG
box ok "text~$RECORD"
exit 0
unlock
same QIP/Skins/Skin1 QIP/Skins/Skin4
installed QIP/Skins/Skin2 full
absent "QIP/Velmora backup"
END

scenario "QIP 2005: 600 smiles raise the GDI quota that Windows reads, and ask to restart" <<'END'
locale ru_RU.UTF-8
program
animated 600
quota 5000 20000
qip2005
start
walk found-notice
page "$INSTALL_SKINS_CAPTION"
mark Skin5
click $NEXT_BUTTON
box ok "title=$REPORT" 'text~Скин: Skin5'
box yes 'buttons=yes no' 'text~Количество смайлов: 600'
box ok 'text~произведено успешно'
box no 'text~Хотите установить'
box no 'buttons=yes no' 'text~перезагрузку'
exit 0
quota 20000
END

scenario "QIP 2005: killed mid-copy, the skin is restored by the next run, permissions too" <<'END'
locale ru_RU.UTF-8
program
animated 3000
qip2005
readonly QIP/Skins/Skin3/Smilies/Animated/old.gif
snapshot QIP
start
walk found-notice
page "$INSTALL_SKINS_CAPTION"
mark Skin3
click $NEXT_BUTTON
kill-when QIP/Skins/Skin3/Smilies/Animated 100
start
walk found-notice
box ok icon-kind=warning 'text~не была завершена' 'text~\Skin3\'
page "$INSTALL_SKINS_CAPTION"
click $EXIT_BUTTON
box yes 'title=Подтверждение выхода...'
box no text~LOG
exit 0
same QIP
absent "QIP/Velmora backup"
END
