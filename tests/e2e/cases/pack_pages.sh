# The about-pack page and the pack-information page: the agreement, a pack with nothing to say,
# a declared count that the pack's folder contradicts, and the author's web page link.

step_mouse() { mouse_click "$1" 1; sleep 0.5; }  # mouse CONTROL: a real left click, arrived

# The pack brings a program along as run.exe; nothing may ever start it.
step_pack_program() { cp "$E2E_BUILD_DIR/examples/stand-ins/qip.exe" "prog/Source SMP/run.exe"; }
step_not_started() { sleep 2; ! pgrep -af 'run\.exe' || fail "the pack's program was started"; }

scenario "agreement: Next waits for the tick, which is kept; about-program enables Next" <<'END'
program
start
page "$ABOUT_PROGRAM"
next "$ABOUT_PACK"
expect $NEXT_BUTTON enabled no
agree
next "$PACK_INFO"
back "$ABOUT_PACK"
expect $AGREEMENT_BOX checked yes
click $AGREEMENT_BOX
expect $NEXT_BUTTON enabled no
back "$ABOUT_PROGRAM"
expect $NEXT_BUTTON enabled yes
quit
END

# Without aboutSP.ini and the author's web page and e-mail address.
scenario "about-pack page with nothing to show is passed over both ways" <<'END'
program
smp 5= 6=
drop aboutSP.ini
start
page "$ABOUT_PROGRAM"
next "$PACK_INFO"
back "$ABOUT_PROGRAM"
quit
END

# SMP.ini declares 40 animated smiles of the full version where the folder holds 36.
scenario "wrong declared count: test mode's box keeps clicks off the window; 36 shown" <<'END'
locale ru_RU.UTF-8
program
smp 8=40
start TESTMODE
page "$ABOUT_PROGRAM"
next "$ABOUT_PACK"
agree
click $NEXT_BUTTON
box - "title=Velmora: Error in Smiles-Pack Data..." icon-kind=error
mouse $NEXT_BUTTON
box ok "title=Velmora: Error in Smiles-Pack Data..."
page "$PACK_INFO"
shows edit#1 '(Полная версия): 36\r\n'
quit
END

scenario "the pack's web page link starts no program, not even the pack's own" <<'END'
program
pack-program
smp '5=Source SMP\run.exe'
start
page "$ABOUT_PROGRAM"
next "$ABOUT_PACK"
click 1033
not-started
quit
END
