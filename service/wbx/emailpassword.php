<?php
// Writes the password mail into the outbox and answers "done".
$email = arg('email');
$account = find_account_by_email($email);
if ($account) {
  if (!is_dir(outbox_dir())) mkdir(outbox_dir(), 0700, true);
  $mail = "To: {$account['email']}\nSubject: Your Moxa password\n\n"
        . "Your password for the site {$account['unixname']} is: {$account['password']}\n";
  $file = outbox_dir() . '/' . date('Ymd-His') . '-' . bin2hex(random_bytes(4)) . '.txt';
  file_put_contents($file, $mail);
  echo 'done';
}
