<?php
// Keeps the site's page list for the next login.
$account = find_account(arg('id'));
if ($account) {
  update_account($account['unixname'], ['pages' => arg('pages')]);
  echo 'ok';
}
