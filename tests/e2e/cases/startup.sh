# Start-up, before the wizard's window opens: the Windows version check and the pack
# description. Every box of it is system-modal, has no owner and an icon, and OK ends the
# program at once with exit code 0.

STARTUP_BOX="buttons=ok topmost=yes owner=none icon=yes"

scenario "Windows 2000 is refused before the pack is read" <<'END'
program none
windows win2k
watch
start
box ok $STARTUP_BOX title=Warning... 'text=\r\nVelmora\r\n\r\nNot supported OS...                '
exit 0
no-window
END

scenario "a faulty SMP.ini stops the wizard; test mode from the command line shows why" <<'END'
program none
smp 2=smilepack
watch
start tESTmODE
box ok $STARTUP_BOX 'title=Velmora: Error in smiles-pack...' 'text~\r\nInstallation of smiles-pack is not possible!\r\n\r\nError in string: "Type".'
exit 0
no-window
END

scenario "an SMP.ini that cannot be read stops the wizard with the system's reason" <<'END'
program none
smp
lock "prog/Source SMP/SMP.ini"
watch
start
box ok $STARTUP_BOX 'title=Velmora: Error in smiles-pack...' 'text~Installation of smiles-pack is not possible!\r\n\r\nError data: File cannot be read ('
exit 0
no-window
END
